// The command line's pictures of the main window at a larger scale.
#include "../painttestutil.h"
#include "app/screenshot.h"
#include "mainformfixture.h"
#include "platform/controls/stdctrls.h"

#include <gtest/gtest.h>

namespace {

class ScreenshotTest : public MainFormFixture {};

// A picture at scale 2 is drawn, not enlarged: the measuring point's mark, which the chart draws
// in its own pixels, is twice as large, in its place, and not the mark of scale 1 with its pixels
// doubled.
TEST_F(ScreenshotTest, AtScaleTwoTheMarkIsTwiceAsWide) {
    form->CBox1Point->SetChecked(true); // point 1's mark is then all that is red
    const QImage one =
        screenshotPicture(form->Parts(), form->PictureControls(), ScreenshotPicture::Chart, form->size(), 1);
    const QImage two =
        screenshotPicture(form->Parts(), form->PictureControls(), ScreenshotPicture::Chart, form->size(), 2);
    two.save(outputPath(QStringLiteral("screenshot_scale2.png")));
    const QRect mark = boxOf(one, clRed);
    ASSERT_GT(mark.width(), 2);
    const QRect twiceAsLarge(mark.topLeft() * 2, mark.size() * 2);
    EXPECT_EQ(boxOf(two, clRed), twiceAsLarge);
    EXPECT_NE(two.copy(twiceAsLarge), one.copy(mark).scaled(twiceAsLarge.size()))
        << "the mark of scale 1 enlarged";
}

} // namespace
