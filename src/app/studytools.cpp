#include "app/studytools.h"

#include "app/chartaccess.h"
#include "app/decimalseparator.h"
#include "app/limittablepanel.h"
#include "app/pointlabels.h"
#include "app/setpointsdialog.h"
#include "app/simulation.h"
#include "app/studytexts.h"
#include "app/toolslayout.h"
#include "app/velocitygraph.h"
#include "chart/rchart.h"
#include "localisation/rivazidad2000.h"
#include "platform/controls/forms.h"
#include "platform/controls/stdctrls.h"

#include <QAction>
#include <QEvent>
#include <QMenu>

StudyTools::StudyTools(const Window& window, const StudyTexts& texts)
    : FWindow(window), FTexts(texts),
      FGraph(std::make_unique<VelocityGraph>(*window.Parts.Window, *window.Parts.Chart, window.Model, texts)),
      FLabels(std::make_unique<PointLabels>(*window.Parts.Chart, window.Access.points(),
                                            [this] {
                                                // a point once the host has ended the program
                                                TRivazidad2000* dictionary = FWindow.Dictionary();
                                                return dictionary ? decimalSeparator(*dictionary)
                                                                  : QLatin1Char('.');
                                            })),
      FRunDialog([](SetPointsDialog& dialog) { return dialog.exec() == QDialog::Accepted; }),
      FStoredStrip(window.Parts.Strip->height()) {
    FActions = {addAction(Qt::Key_V, &StudyTools::toggleVelocityGraph),
                addAction(Qt::Key_E, &StudyTools::toggleExactCurve),
                addAction(Qt::Key_T, &StudyTools::toggleLimitTable),
                addAction(Qt::Key_L, &StudyTools::togglePointLabels),
                addAction(Qt::Key_P, &StudyTools::setPoints),
                addAction(Qt::CTRL | Qt::Key_R, &StudyTools::reset)};
    for (QAction* toggle :
         {FActions.VelocityGraph, FActions.ExactCurve, FActions.LimitTable, FActions.PointLabels})
        toggle->setCheckable(true);
    addMenuEntries();
    retranslate();
    form().installEventFilter(this);
}

StudyTools::~StudyTools() = default;

// The window holds the entry, so that its key acts wherever the window has the keyboard; an open
// list or a dialog, which are windows of their own, keep their letters.
QAction* StudyTools::addAction(const QKeySequence& key, void (StudyTools::*slot)()) {
    auto* action = new QAction(this);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
    form().addAction(action);
    return action;
}

void StudyTools::addMenuEntries() {
    QMenu* menu = FWindow.Access.menu();
    menu->addSeparator();
    menu->addActions(
        {FActions.VelocityGraph, FActions.ExactCurve, FActions.LimitTable, FActions.PointLabels});
    menu->addSeparator();
    menu->addActions({FActions.SetPoints, FActions.Reset});
    connect(menu, &QMenu::aboutToShow, this, [this] { updateChecks(); });
}

void StudyTools::retranslate() {
    FActions.VelocityGraph->setText(FTexts.VelocityGraph());
    FActions.ExactCurve->setText(FTexts.ExactCurve());
    FActions.LimitTable->setText(FTexts.LimitTable());
    FActions.PointLabels->setText(FTexts.PointLabels());
    FActions.SetPoints->setText(FTexts.SetPoints());
    FActions.Reset->setText(FTexts.Reset());
    FGraph->retranslate();
    if (FTable) FTable->retranslate();
    delete FDialog; // made anew, with the new captions, when next asked for
    FDialog = nullptr;
}

void StudyTools::layOut() {
    layOutTools(FWindow.Parts, FStoredStrip, FGraph->chart(), FTable, FRoadStrip());
}

bool StudyTools::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Resize) layOut();
    return false;
}

void StudyTools::updateChecks() {
    FActions.VelocityGraph->setChecked(FGraph->shown());
    FActions.ExactCurve->setChecked(FGraph->exactCurve());
    FActions.LimitTable->setChecked(FTable && FTable->shown());
    FActions.PointLabels->setChecked(FLabels->shown());
}

// The exact curve is offered for a trip that has one, not for measured data.
void StudyTools::displayUpdated() {
    const Trip& trip = FWindow.Model.trip();
    FActions.ExactCurve->setEnabled(trip.exactVelocity(trip.timeSpan().Start).has_value());
    FGraph->measured(FWindow.Model.measurement());
    if (FTable) FTable->follow();
}

void StudyTools::profileChanged() {
    FGraph->clearTrace();
}

void StudyTools::toggleVelocityGraph() {
    const bool shown = !FGraph->shown();
    FWindow.Explain(shown); // before the layout, which makes room for the text
    FGraph->setShown(shown);
    layOut();
}

// The exact curve belongs to the graph: with the graph hidden, E shows both.
void StudyTools::toggleExactCurve() {
    const bool exact = !FGraph->shown() || !FGraph->exactCurve();
    FGraph->setExactCurve(exact);
    if (!FGraph->shown()) toggleVelocityGraph();
}

void StudyTools::toggleLimitTable() {
    showLimitTable(!FTable || !FTable->shown());
}

void StudyTools::togglePointLabels() {
    FLabels->setShown(!FLabels->shown());
}

void StudyTools::showLimitTable(bool shown) {
    if (!FTable) {
        if (!shown) return;
        FTable = new LimitTablePanel(form(), FWindow.Model, FTexts, FWindow.Dictionary);
        FTable->hideValues(FValuesHidden);
    }
    FTable->setShown(shown);
    layOut();
}

void StudyTools::setPoints() {
    Simulation& model = FWindow.Model;
    const Measurement& m = model.measurement();
    const bool single = m.SinglePoint;
    if (!FDialog) FDialog = new SetPointsDialog(&form(), FTexts);
    FDialog->prepare(m.T1, m.T2, single, model.trip().timeSpan());
    if (!FRunDialog(*FDialog)) return;
    if (single)
        model.movePoint(1, FDialog->time1());
    else
        model.setPoints(FDialog->time1(), FDialog->time2());
}

void StudyTools::reset() {
    applySimulation(SimulationState{});
}

void StudyTools::apply(const ViewState& state) {
    const bool graphShown = state.VelocityGraph || state.ExactCurve;
    if (graphShown != FGraph->shown()) FWindow.Explain(graphShown);
    FGraph->setShown(graphShown);
    FGraph->setExactCurve(state.ExactCurve);
    FValuesHidden = state.HideValues;
    if (FTable) FTable->hideValues(FValuesHidden);
    FLabels->setValuesHidden(FValuesHidden);
    showLimitTable(state.LimitTable);
    layOut();
    FLabels->setShown(state.PointLabels);
    applySimulation(state.Simulation);
}

ViewState StudyTools::state() const {
    const Measurement& m = FWindow.Model.measurement();
    const SimulationState simulation{FWindow.ProfileBox.ItemIndex(), m.T1, m.T2, m.SinglePoint,
                                     FWindow.CrosshairsBox.Checked()};
    return {
        simulation,       FGraph->shown(), FGraph->shown() && FGraph->exactCurve(), FTable && FTable->shown(),
        FLabels->shown(), FValuesHidden};
}

// The check boxes update the display as a click does; the trace then starts from the one
// measurement of the new points.
void StudyTools::applySimulation(const SimulationState& state) {
    FWindow.ChooseProfile(state.Profile);
    FWindow.SinglePointBox.SetChecked(state.SinglePoint);
    FWindow.CrosshairsBox.SetChecked(state.Crosshairs);
    FGraph->clearTrace();
    FWindow.Model.setPoints(state.T1, state.T2);
}
