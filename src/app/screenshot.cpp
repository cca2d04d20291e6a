#include "app/screenshot.h"

#include "app/chartpicture.h"
#include "app/mainfrm.h"
#include "chart/rchart.h"
#include "platform/controls/stdctrls.h"
#include "widgets/rasterlab.h"

#include <QPixmap>

int screenshotPixelsPerInch(int scale) {
    return mainWindowPixelsPerInch() * scale;
}

namespace {

void multiply(QObject& object, std::initializer_list<const char*> properties, int scale) {
    for (const char* name : properties)
        object.setProperty(name, object.property(name).toInt() * scale);
}

} // namespace

void enlargePixelMeasures(TForm1& form, int scale) {
    for (TRasterLab* readout : {form.RLabSpeed, form.RLabDS, form.RLabDT})
        multiply(*readout, {"DotSize", "DotSpacing", "PosY"}, scale);
    // The velocity graph takes the chart's margins.
    multiply(*form.RC1,
             {"MarginLeft", "MarginRight", "MarginTop", "MarginBottom", "CaptionPosX", "CaptionPosY"}, scale);
    for (QObject* axis : std::initializer_list<QObject*>{form.RC1->Scale1X(), form.RC1->Scale1Y()})
        multiply(*axis, {"CaptionPosX", "CaptionPosY"}, scale);
}

QImage screenshotPicture(TForm1& form, ScreenshotPicture picture, QSize laidOut) {
    form.resize(laidOut);
    if (picture == ScreenshotPicture::Chart) return worksheetPicture(*form.RC1, *form.Panel2);
    return form.grab().toImage();
}
