#include "app/screenshot.h"

#include "app/chartpicture.h"
#include "app/mainfrm.h"
#include "chart/rchart.h"
#include "platform/controls/stdctrls.h"

namespace {

// 0 gives the controls back the screen's ratio.
void setPixelRatio(const TForm1& form, int ratio) {
    for (TMouseControl* control : form.PictureControls())
        control->SetPixelRatio(ratio);
}

QImage windowPicture(QWidget& window, int scale) {
    QImage picture(window.size() * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    window.render(&picture);
    return picture;
}

} // namespace

QImage screenshotPicture(TForm1& form, ScreenshotPicture picture, QSize laidOut, int scale) {
    form.resize(laidOut);
    setPixelRatio(form, scale);
    QImage image = picture == ScreenshotPicture::Chart ? worksheetPicture(*form.RC1, *form.Panel2, scale)
                                                       : windowPicture(form, scale);
    setPixelRatio(form, 0);
    return image;
}
