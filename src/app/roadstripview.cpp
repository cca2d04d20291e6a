#include "app/roadstripview.h"

#include "app/roadstrip.h"
#include "app/roadstriptexts.h"
#include "app/simulation.h"
#include "app/viewtexts.h"
#include "chart/rchart.h"
#include "platform/controls/forms.h"

#include <QAction>

using enum VrxBase::TCrossHairMode;

RoadStripView::RoadStripView(const Window& window, const RoadStripTexts& stripTexts, const ViewTexts& texts,
                             const MonotonicClock& clock)
    : FWindow(window), FStripTexts(stripTexts), FTexts(texts), FClock(clock) {
    FActions.Show = new QAction(this);
    FActions.Show->setShortcut(Qt::Key_D);
    connect(FActions.Show, &QAction::triggered, this, [this] { toggleShown(); });
    FActions.Follow = new QAction(this);
    connect(FActions.Follow, &QAction::triggered, this, [this] { toggleFollowing(); });
    for (QAction* action : {FActions.Show, FActions.Follow}) {
        action->setCheckable(true);
        FWindow.Form.addAction(action);
    }
    retranslate();
    connect(&FWindow.Model, &Simulation::changed, this, &RoadStripView::modelChanged);
}

RoadStripView::~RoadStripView() = default;

void RoadStripView::retranslate() {
    FActions.Show->setText(FStripTexts.StripName());
    FActions.Follow->setText(FTexts.FollowCar());
}

void RoadStripView::updateChecks() {
    FActions.Show->setChecked(shown());
    FActions.Follow->setChecked(FFollow);
}

bool RoadStripView::shown() const {
    return FStrip && !FStrip->isHidden();
}

void RoadStripView::toggleShown() {
    const bool show = !shown();
    if (!FStrip) makeStrip(false);
    FStrip->setVisible(show);
    if (show) {
        FStrip->setFocus(Qt::OtherFocusReason); // Space plays at once
        cursorMoved(FStrip->playback().time());
    } else {
        for (TRChart* chart : {&FWindow.Chart, FWindow.Graph()})
            if (chart) chart->CrossHair(kCursor)->SetMode(chOff);
    }
    FWindow.LayOut();
}

void RoadStripView::toggleFollowing() {
    FFollow = !FFollow;
    if (FFollow && shown()) cursorMoved(FStrip->playback().time());
}

void RoadStripView::makeStrip(bool shown) {
    delete FStrip;
    FTrip = &FWindow.Model.trip();
    FStrip = new RoadStrip(*FTrip, FClock, FStripTexts, &FWindow.Form);
    FStrip->setObjectName(QStringLiteral("RoadStrip"));
    FStrip->setVisible(shown);
    FStrip->setOnCursorMoved([this](double t) { cursorMoved(t); });
}

// A swapped trip is played by a strip of its own, from its start, where the time cursor goes too.
void RoadStripView::modelChanged() {
    if (!FStrip || &FWindow.Model.trip() == FTrip) return;
    const bool wasShown = shown();
    makeStrip(wasShown);
    if (!wasShown) return;
    FWindow.LayOut();
    for (TRChart* chart : {&FWindow.Chart, FWindow.Graph()})
        showCursor(chart, FStrip->playback().time());
}

void RoadStripView::cursorMoved(double t) {
    showCursor(&FWindow.Chart, t);
    showCursor(FWindow.Graph(), t);
    if (FFollow) FWindow.Model.movePoint(1, t);
}

void RoadStripView::showCursor(TRChart* chart, double t) const {
    if (!chart) return;
    TCrossHair& cursor = *chart->CrossHair(kCursor);
    cursor.SetLayer(1);
    cursor.SetColor(clGreen);
    cursor.SetMode(chVert);
    cursor.SetPosX(t);
}
