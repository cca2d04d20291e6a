// libFuzzer target: the chart's background image file. Any bytes must be drawn as a picture in each
// fill mode or dropped for the plain background (the name emptied), never crash or hang.
#include "chart/bakgndimg.h"
#include "fuzzsupport.h"
#include "platform/graphics/bitmap.h"

#include <QGuiApplication>

namespace {

// An odd data area, so that tiles and stretching do not come out even.
constexpr int kAreaWidth = 61;
constexpr int kAreaHeight = 47;

QPoint testMapping(double x, double y) {
    return QPoint(static_cast<int>(x * 10), static_cast<int>(-y * 10));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    prepareQtForFuzzing();
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = writeFuzzInput(QStringLiteral("background"), data, size);
    if (path.isEmpty()) return 0;
    for (TBakGndFillMode mode :
         {TBakGndFillMode::bfSimple, TBakGndFillMode::bfStretch, TBakGndFillMode::bfTile}) {
        TBakGndImg background;
        background.SetIncludePath(true);
        background.SetName(path);
        background.SetFillMode(mode);
        TBitmap area(kAreaWidth, kAreaHeight);
        drawBackground(background, area.Canvas(), 0xFFFFFF, 0x000000, testMapping);
        require(background.Name().isEmpty() || background.Name() == path);
        require(area.Width() == kAreaWidth && area.Height() == kAreaHeight);
    }
    return 0;
}
