// Timer scrolling of the dot-matrix label.
#include "widgets/rasterlab.h"

#include "platform/graphics/assignchanged.h"

#include <climits>
#include <cstdlib>

using enum RasterLab::TRDScrollMode;

void TRasterLab::SetScrollMode(TRDScrollMode value) {
    if (!assignChanged(FScrollMode, value)) return;
    FTimerActive = value != rdsmOff;
    if (value == rdsmOff) {
        // Put the text back before a refused timer could interrupt.
        FScrollOffset = {};
        Paint();
    }
    UpdateScrollTimer();
}

void TRasterLab::SetScrollInterval(int value) {
    value = std::max(value, 10);
    if (assignChanged(FScrollInterval, value)) UpdateScrollTimer();
}

void TRasterLab::SetScrollIncrement(int value) {
    value = value == 0 ? 1 : value == INT_MIN ? INT_MAX : std::abs(value);
    if (assignChanged(FScrollIncrement, value)) UpdateScrollTimer();
}

void TRasterLab::SetScrollLoop(bool value) {
    FScrollLoop = value;
    Paint();
}

void TRasterLab::SetOnScrollTimer(TNotifyEvent handler) {
    FOnScrollTimer = std::move(handler);
    UpdateScrollTimer();
}

void TRasterLab::SetScrollTimer(std::unique_ptr<IntervalTimer> timer) {
    FTimer->stop();
    FTimer = std::move(timer);
    FTimer->setOnTick([this] { ScrollTimerTick(); });
    UpdateScrollTimer();
}

void TRasterLab::UpdateScrollTimer() {
    FTimer->stop();
    if (FScrollInterval <= 0 || FScrollMode == rdsmOff || !FTimerActive) return;
    if (!FTimer->start(FScrollInterval))
        throw EVRXRasterLabError(componentMessage(Name(), QStringLiteral("no timer available")));
}

void TRasterLab::ScrollTimerTick() {
    ScrollStep();
    if (FOnScrollTimer) FOnScrollTimer(this);
}

void TRasterLab::ScrollStep() {
    if (FScrollMode == rdsmOff) FTimerActive = false;
    const QSize size = PictureSize();
    const ScrollGeometry geometry{size.width(), size.height(), TextWidthPixels(),
                                  FGlyphs->CharHeight * dotPitch()};
    if (scrollStep(FScrollMode, FScrollIncrement, FScrollLoop, geometry, FScrollOffset)) ScrollLoopRestart();
    Paint();
}

void TRasterLab::ScrollLoopRestart() {
    if (FOnScrollLoopRestart) FOnScrollLoopRestart(this);
}
