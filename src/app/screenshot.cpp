#include "app/screenshot.h"

#include "app/chartpicture.h"
#include "chart/rchart.h"
#include "platform/controls/forms.h"
#include "platform/controls/stdctrls.h"

namespace {

// 0 gives the controls back the screen's ratio.
void setPixelRatio(const std::vector<TMouseControl*>& controls, int ratio) {
    for (TMouseControl* control : controls)
        control->SetPixelRatio(ratio);
}

QImage windowPicture(QWidget& window, int scale) {
    QImage picture(window.size() * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    window.render(&picture);
    return picture;
}

} // namespace

QImage screenshotPicture(const WindowParts& window, const std::vector<TMouseControl*>& pictureControls,
                         ScreenshotPicture picture, QSize laidOut, int scale) {
    window.Window->resize(laidOut);
    setPixelRatio(pictureControls, scale);
    QImage image = picture == ScreenshotPicture::Chart
                       ? worksheetPicture(*window.Chart, *window.Readouts, scale)
                       : windowPicture(*window.Window, scale);
    setPixelRatio(pictureControls, 0);
    return image;
}
