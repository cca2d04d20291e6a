#include "chart/jointlayers.h"

#include <gtest/gtest.h>

#include <QMetaProperty>

namespace {

template <typename F> void expectError(F f, const char* message) {
    try {
        f();
        ADD_FAILURE() << "expected EVRXRChartError: " << message;
    } catch (const EVRXRChartError& e) {
        EXPECT_EQ(e.Message(), QString::fromLatin1(message));
    }
}

std::vector<int> xTable(const TJointLayers& j) {
    std::vector<int> t;
    for (int n = 1; n <= kLayerCount; ++n)
        t.push_back(j.ControlledBy(JointAxis::X, n));
    return t;
}

} // namespace

TEST(JointLayers, EveryLayerStartsIndependentAndIsPublishedByName) {
    TJointLayers j;
    for (int n = 1; n <= kLayerCount; ++n) {
        EXPECT_EQ(j.ControlledBy(JointAxis::X, n), n);
        EXPECT_EQ(j.ControlledBy(JointAxis::Y, n), n);
    }
    EXPECT_TRUE(j.setProperty("L07yControlledBy", 2));
    EXPECT_EQ(j.ControlledBy(JointAxis::Y, 7), 2);
    EXPECT_EQ(j.property("L07yControlledBy").toInt(), 2);
    EXPECT_EQ(j.ControlledBy(JointAxis::X, 7), 7);
    EXPECT_EQ(j.property("L16xControlledBy").toInt(), 16);
}

TEST(JointLayers, JoiningNotifiesAndReleasingIsSilent) {
    TJointLayers j;
    std::vector<std::pair<JointAxis, int>> joined;
    int changes = 0;
    j.OnJoined = [&](JointAxis axis, int layer) { joined.emplace_back(axis, layer); };
    j.OnChange = [&] { ++changes; };
    j.SetL03xControlledBy(1);
    EXPECT_EQ(j.L03xControlledBy(), 1);
    ASSERT_EQ(joined.size(), 1u);
    EXPECT_EQ(joined[0], std::make_pair(JointAxis::X, 3));
    EXPECT_EQ(changes, 1);
    j.SetL03xControlledBy(3);
    EXPECT_EQ(j.L03xControlledBy(), 3);
    EXPECT_EQ(joined.size(), 1u);
    EXPECT_EQ(changes, 1);
}

TEST(JointLayers, InvalidJoinsRaiseTheirMessagesAndChangeNothing) {
    TJointLayers j;
    j.SetL03xControlledBy(1);
    j.SetL05xControlledBy(1);
    const std::vector<int> before = xTable(j);

    expectError([&] { j.SetL01xControlledBy(17); }, "Destination layer 17 is out of range");
    expectError([&] { j.SetL01xControlledBy(0); }, "Destination layer 0 is out of range");
    expectError([&] { j.SetL02xControlledBy(3); }, "Destination layer 3 is already joined");
    expectError([&] { j.SetL01xControlledBy(2); }, "Layer 1 is joined by other layers (3, 5)");
    EXPECT_EQ(xTable(j), before);
    // The y table is separate: layer 1's y is free to follow layer 2.
    j.SetL01yControlledBy(2);
    EXPECT_EQ(j.ControlledBy(JointAxis::Y, 1), 2);
}

TEST(JointLayers, AssignCopiesBothTablesAndNotifies) {
    TJointLayers a;
    TJointLayers b;
    a.SetL04xControlledBy(2);
    a.SetL09yControlledBy(16);
    int changes = 0;
    b.OnChange = [&] { ++changes; };
    b.Assign(a);
    EXPECT_EQ(b.ControlledBy(JointAxis::X, 4), 2);
    EXPECT_EQ(b.ControlledBy(JointAxis::Y, 9), 16);
    EXPECT_EQ(changes, 1);
}
