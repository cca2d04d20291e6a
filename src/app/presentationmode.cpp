#include "app/presentationmode.h"

#include "platform/controls/forms.h"
#include "platform/controls/mousecontrol.h"
#include "platform/controls/stdctrls.h"
#include "viewer/htmlviewer.h"
#include "widgets/rasterlab.h"

#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <cmath>

namespace {

// The picture that presentation mode stretches over the screen: a 1920 x 1080 projector gives 2.5.
constexpr QSize kPresentedPicture(768, 432);

int scaled(int value, double zoom) {
    return static_cast<int>(std::lround(value * zoom));
}

} // namespace

PresentationMode::PresentationMode(const WindowParts& window, PictureControls pictureControls)
    : QObject(window.Window), FWindow(window), FPictureControls(std::move(pictureControls)),
      FEscape(new QShortcut(QKeySequence(Qt::Key_Escape), window.Window)) {
    FEscape->setEnabled(false);
    connect(FEscape, &QShortcut::activated, this, &PresentationMode::leave);
}

double PresentationMode::zoomFor(QSize screen) {
    const double zoom = std::min(double(screen.width()) / kPresentedPicture.width(),
                                 double(screen.height()) / kPresentedPicture.height());
    return std::max(zoom, 1.0);
}

void PresentationMode::toggle() {
    if (FActive)
        leave();
    else
        enter();
}

void PresentationMode::enter() {
    if (FActive) return;
    FActive = true;
    FWindowGeometry = form().saveGeometry();
    FWindowState = form().windowState();
    const QRect screen = form().screen()->geometry();
    enlarge(zoomFor(screen.size()));
    // Also where no window manager takes the full-screen state to mean the screen's size.
    form().setGeometry(screen);
    form().showFullScreen();
    FEscape->setEnabled(true);
}

void PresentationMode::leave() {
    if (!FActive) return;
    FActive = false;
    FEscape->setEnabled(false);
    for (const Stored& s : FStored) {
        s.Control->SetBounds(s.Bounds.x(), s.Bounds.y(), s.Bounds.width(), s.Bounds.height());
        s.Control->Font()->SetHeight(s.FontHeight);
        if (s.ParentFont) s.Control->SetParentFont(true);
    }
    FStored.clear();
    FWindow.Text->SetDefFontSize(FTextSize);
    zoomPictures(1);
    form().setWindowState(FWindowState & ~Qt::WindowFullScreen);
    if (!(FWindowState & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        form().restoreGeometry(FWindowGeometry);
}

// The read-outs' panel and the text strip grow by the zoom, and so does everything in the panel (the
// read-outs draw their dots larger; their font chooses the dot glyphs and stays); the charts take
// the rest of the screen and draw their pictures larger by the same zoom.
void PresentationMode::enlarge(double zoom) {
    storeAndScale(*FWindow.Readouts, zoom, false);
    for (QObject* child : FWindow.Readouts->children())
        if (auto* control = qobject_cast<TControl*>(child))
            storeAndScale(*control, zoom, !qobject_cast<TRasterLab*>(control));
    storeAndScale(*FWindow.Strip, zoom, false);
    FTextSize = FWindow.Text->DefFontSize();
    FWindow.Text->SetDefFontSize(scaled(FTextSize, zoom));
    zoomPictures(zoom);
}

void PresentationMode::storeAndScale(TControl& control, double zoom, bool withFont) {
    const QRect bounds = control.geometry();
    FStored.push_back({&control, bounds, control.Font()->Height(), control.ParentFont()});
    if (withFont) control.Font()->SetHeight(scaled(control.Font()->Height(), zoom));
    control.SetBounds(scaled(bounds.x(), zoom), scaled(bounds.y(), zoom), scaled(bounds.width(), zoom),
                      scaled(bounds.height(), zoom));
}

void PresentationMode::zoomPictures(double zoom) {
    for (TMouseControl* control : FPictureControls())
        control->SetZoom(zoom);
}
