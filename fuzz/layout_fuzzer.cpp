// libFuzzer target: a stored layout read into the main window as the program reads its own, with
// the program's component classes: the text, then every component with its properties, embedded
// pictures and events, scaled to a screen finer than the layout's. Any bytes must end in a window
// or an Exception (ELayoutError or a missing component), never a crash, hang or leak. The window
// is then painted once, since every property value read must also be one it can be drawn with.
#include "app/mainfrm.h"
#include "fuzzsupport.h"
#include "platform/controls/exceptions.h"

#include <QApplication>

#include <algorithm>
#include <memory>

namespace {

// Finer than any layout of the program, so that its scaling runs on every input that asks for it.
constexpr int kScreenPixelsPerInch = 144;
// Painting is tried at a bounded size: a layout may ask for any size, and a window larger than the
// screen is shown clipped anyway.
constexpr int kPaintLimit = 1024;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    prepareQtForFuzzing();
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = writeFuzzInput(QStringLiteral("fuzz.lfm"), data, size);
    if (path.isEmpty()) return 0;
    try {
        const std::unique_ptr<TForm1> form(new TForm1(kScreenPixelsPerInch, path));
        form->resize(std::min(form->width(), kPaintLimit), std::min(form->height(), kPaintLimit));
        form->grab();
    } catch (const Exception&) {
    }
    return 0;
}
