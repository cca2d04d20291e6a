#include "widgets/sline.h"

#include <gtest/gtest.h>

#include <QMetaObject>
#include <QMetaProperty>

namespace {

struct Params {
    double a, b, c;
};

Params params(const TSLine& line) {
    return {line.ParA(), line.ParB(), line.ParC()};
}

void expectParams(const TSLine& line, double a, double b, double c) {
    EXPECT_EQ(line.ParA(), a);
    EXPECT_EQ(line.ParB(), b);
    EXPECT_EQ(line.ParC(), c);
}

template <typename F> void expectError(F f, const char* message) {
    try {
        f();
        ADD_FAILURE() << "expected EVRXSLineError: " << message;
    } catch (const EVRXSLineError& e) {
        EXPECT_EQ(e.Message(), QString::fromLatin1(message));
        EXPECT_STREQ(e.what(), message);
    }
}

} // namespace

TEST(SLine, FreshInstanceIsTheLineYZero) {
    TSLine line(nullptr);
    expectParams(line, 0, 1, 0);
    EXPECT_FALSE(line.SubstituteInf());
    EXPECT_EQ(line.GetSlope(), 0);
    for (double x : {-1e9, -3.5, 0.0, 7.0, 1e300})
        EXPECT_EQ(line.YAt(x), 0) << x;
}

TEST(SLine, PublishesItsPropertiesInOrder) {
    const QMetaObject& meta = TSLine::staticMetaObject;
    const int first = meta.indexOfProperty("SubstituteInf");
    ASSERT_GE(first, 0);
    EXPECT_STREQ(meta.property(first + 1).name(), "ParA");
    EXPECT_STREQ(meta.property(first + 2).name(), "ParB");
    EXPECT_STREQ(meta.property(first + 3).name(), "ParC");
    TSLine line(nullptr);
    EXPECT_TRUE(line.setProperty("ParB", 2.5));
    EXPECT_EQ(line.ParB(), 2.5);
}

TEST(SLine, ThroughTwoPoints) {
    TSLine line(nullptr);
    ASSERT_TRUE(line.ThroughPoints(0, 0, 1, 2));
    expectParams(line, -2, 1, 0);
    EXPECT_EQ(line.GetSlope(), 2);
    EXPECT_EQ(line.YAt(3), 6);

    // A falling secant keeps its sign.
    ASSERT_TRUE(line.ThroughPoints(90, 110, 120, 80));
    EXPECT_EQ(line.GetSlope(), -1);
    EXPECT_EQ(line.YAt(0), 200);
}

TEST(SLine, IdenticalPointsKeepThePreviousLine) {
    TSLine line(nullptr);
    ASSERT_TRUE(line.ThroughPoints(0, 0, 1, 2));
    EXPECT_FALSE(line.ThroughPoints(1, 1, 1, 1));
    expectParams(line, -2, 1, 0);
}

TEST(SLine, VerticalLineIsStoredAndRefusesSlopeAndY) {
    TSLine line(nullptr);
    ASSERT_TRUE(line.ThroughPoints(1, 0, 1, 5));
    expectParams(line, -5, 0, 5);
    expectError([&] { line.GetSlope(); }, "slope is infinite");
    expectError([&] { line.YAt(0); }, "cannot calculate y");
    expectParams(line, -5, 0, 5);

    line.SetSubstituteInf(true);
    EXPECT_EQ(line.YAt(0), -5 / 1e-100);
    EXPECT_GT(line.YAt(2), 0); // (-2·(-5) - 5) / 1e-100, positive
    expectError([&] { line.GetSlope(); }, "slope is infinite");
}

TEST(SLine, SettersNeverLeaveBothCoefficientsZero) {
    TSLine line(nullptr); // A = 0, B = 1
    expectError([&] { line.SetParB(0); }, "parameter A and B must not both be zero");
    expectParams(line, 0, 1, 0);
    line.SetParA(0);
    line.SetParC(-4);
    expectParams(line, 0, 1, -4);

    // Vertical line from points: B = 0, so A may no longer become 0.
    ASSERT_TRUE(line.ThroughPoints(2, 3, 2, 7));
    const Params before = params(line);
    EXPECT_NE(before.a, 0);
    EXPECT_EQ(before.b, 0);
    expectError([&] { line.SetParA(0); }, "parameter A and B must not both be zero");
    expectParams(line, before.a, before.b, before.c);
    line.SetParB(3); // any non-zero B is fine
    EXPECT_EQ(line.ParB(), 3);
}
