#include "scales/scaleprops.h"

#include <gtest/gtest.h>

#include <QMetaProperty>

#include <limits>

using enum Graphics::TAlignment;
using enum ScaleEnums::TFigType;
using enum ScaleEnums::TScaleLocationHoriz;
using enum ScaleEnums::TScaleLocationVert;
using enum ScaleEnums::TScaleType;
using enum ScaleEnums::TScaleUnitAnchor;
using enum ScaleEnums::TTimeFormat;

TEST(ScaleProps, DefaultsAndLocations) {
    TScalePropsHoriz x;
    TScalePropsVert y;
    EXPECT_EQ(x.RangeLow(), 0);
    EXPECT_EQ(x.RangeHigh(), 1);
    EXPECT_EQ(x.MinRange(), 1e-10);
    EXPECT_FALSE(x.Visible());
    EXPECT_EQ(x.CaptionAlignment(), taCenter);
    EXPECT_EQ(x.CaptionAnchor(), uaSclTopLft);
    EXPECT_EQ(x.ScaleLocation(), slBottom);
    EXPECT_EQ(x.ScaleType(), sctXT);
    EXPECT_EQ(y.ScaleLocation(), slLeft);
    EXPECT_EQ(y.ScaleType(), sctYR);
    x.SetScaleLocation(slTop);
    EXPECT_EQ(x.ScaleType(), sctXB);
    y.SetScaleLocation(slRight);
    EXPECT_EQ(y.ScaleType(), sctYL);
}

TEST(ScaleProps, RangeKeepsMinRange) {
    TScalePropsHoriz p;
    p.SetRangeHigh(0);
    EXPECT_EQ(p.RangeHigh(), 0);
    EXPECT_EQ(p.RangeLow(), -1e-10);
    p.SetRangeLow(0);
    EXPECT_EQ(p.RangeLow(), 0);
    EXPECT_EQ(p.RangeHigh(), 1e-10);
    p.SetRangeHigh(133);
    p.SetMinRange(1000); // re-centred on the old midpoint 66.5
    EXPECT_EQ(p.RangeLow(), -433.5);
    EXPECT_EQ(p.RangeHigh(), 566.5);
    p.SetMinRange(0); // ignored
    EXPECT_EQ(p.MinRange(), 1000);
    p.SetRangeLow(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(p.RangeLow(), -433.5);
}

TEST(ScaleProps, LogarithmicChecksAfterCreation) {
    TScalePropsVert p;
    p.SetLogarithmic(true); // still being created: accepted
    EXPECT_TRUE(p.Logarithmic());
    p.SetRangeLow(0); // a logarithmic end below 1e-100 is ignored
    EXPECT_EQ(p.RangeLow(), 0);
    p.SetRangeLow(-5);
    EXPECT_EQ(p.RangeLow(), 0);
    p.SetLogarithmic(false);
    p.EndCreation();
    p.SetLogarithmic(true); // RangeLow 0: refused
    EXPECT_FALSE(p.Logarithmic());
    p.SetRangeLow(1);
    p.SetRangeHigh(1000);
    p.SetLogarithmic(true);
    EXPECT_TRUE(p.Logarithmic());
    p.SetLabelType(ftDateTime);
    EXPECT_FALSE(p.Logarithmic());
    p.SetLogarithmic(true);
    EXPECT_FALSE(p.Logarithmic());
    p.SetLabelType(ftTime);
    EXPECT_EQ(p.DecPlaces(), 4);
    p.SetDecPlaces(40);
    EXPECT_EQ(p.DecPlaces(), 12);
    p.SetDecPlaces(-9);
    EXPECT_EQ(p.DecPlaces(), -3);
}

TEST(ScaleProps, ScalePosPerOrientation) {
    TScalePropsHoriz p;
    p.SetScalePos(30);
    p.SetScaleType(sctYL);
    EXPECT_EQ(p.ScalePos(), 0);
    p.SetScalePos(50);
    p.SetScaleType(sctXB);
    EXPECT_EQ(p.ScalePos(), 30);
}

TEST(ScaleProps, OnChangeFiresOnRealChangesOnly) {
    TScalePropsHoriz p;
    int changes = 0;
    QObject* sender = nullptr;
    p.SetOnChange([&](QObject* s) {
        ++changes;
        sender = s;
    });
    p.SetCaption("BF_Time [min]");
    p.SetCaption("BF_Time [min]");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(sender, &p);
    p.Font()->SetHeight(-13);
    p.DateFormat()->SetMonthName(false);
    p.DateFormat()->SetMonthName(false);
    p.SetScaleLocation(slBottom); // already there
    EXPECT_EQ(changes, 3);
}

TEST(ScaleProps, LayoutNamesReachEveryProperty) {
    TScalePropsHoriz p;
    const QMetaObject* meta = p.metaObject();
    QStringList names;
    for (int i = 0; i < meta->propertyCount(); ++i)
        names << meta->property(i).name();
    const QStringList expected{"UserTickText", "Font", "DateFormat", "ScaleLocation"};
    EXPECT_EQ(names.mid(names.size() - 4), expected);
    EXPECT_LT(meta->indexOfProperty("RangeLow"), meta->indexOfProperty("RangeHigh"));
    EXPECT_TRUE(p.setProperty("ScaleLocation", "slTop"));
    EXPECT_EQ(p.ScaleLocation(), slTop);
    EXPECT_TRUE(p.setProperty("CaptionAnchor", "uaSclCenter"));
    EXPECT_EQ(p.CaptionAnchor(), uaSclCenter);
    EXPECT_TRUE(p.setProperty("RangeHigh", 133.0));
    EXPECT_EQ(p.RangeHigh(), 133);
    QObject* dateFormat = p.property("DateFormat").value<QObject*>();
    ASSERT_NE(dateFormat, nullptr);
    EXPECT_TRUE(dateFormat->setProperty("TimeFormat", "tfAMPM"));
    EXPECT_EQ(p.DateFormat()->TimeFormat(), tfAMPM);
    EXPECT_TRUE(dateFormat->setProperty("DateSeparator", "/"));
    EXPECT_EQ(p.DateFormat()->Settings().DateSeparator, QChar('/'));
}

TEST(ScaleProps, WideningKeepsTheEndsApartAtLargeValues) {
    // 1e-10 is below the spacing of doubles near 1e7: adding it alone would leave an empty range.
    TScalePropsHoriz p;
    p.SetRangeHigh(1e7);
    p.SetRangeLow(1e7);
    EXPECT_EQ(p.RangeLow(), 1e7);
    EXPECT_GT(p.RangeHigh(), 1e7);
    p.SetRangeHigh(3e7);
    p.SetRangeHigh(1e7);
    EXPECT_EQ(p.RangeHigh(), 1e7);
    EXPECT_LT(p.RangeLow(), 1e7);
}
