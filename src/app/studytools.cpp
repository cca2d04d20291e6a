#include "app/studytools.h"

#include "app/chartaccess.h"
#include "app/decimalseparator.h"
#include "app/limittablepanel.h"
#include "app/mainfrm.h"
#include "app/pointlabels.h"
#include "app/setpointsdialog.h"
#include "app/studytexts.h"
#include "app/toolslayout.h"
#include "app/velocitygraph.h"
#include "chart/rchart.h"
#include "hostlink/marvestodemon.h"
#include "localisation/rivazidad2000.h"
#include "platform/controls/stdctrls.h"

#include <QAction>
#include <QEvent>
#include <QMenu>

namespace {

// The language's decimal separator, a point once the host has ended the program.
QChar separatorOf(const TForm1& form) {
    return form.cliDemon ? decimalSeparator(form.cliDemon->Dictionary()) : QLatin1Char('.');
}

} // namespace

StudyTools::StudyTools(TForm1& form, const StudyTexts& texts)
    : FForm(form), FTexts(texts), FGraph(std::make_unique<VelocityGraph>(form, texts)),
      FLabels(std::make_unique<PointLabels>(*form.RC1, form.Access()->points(),
                                            [&form] { return separatorOf(form); })),
      FRunDialog([](SetPointsDialog& dialog) { return dialog.exec() == QDialog::Accepted; }),
      FStoredStrip(form.Panel3->height()) {
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
    FForm.installEventFilter(this);
}

StudyTools::~StudyTools() = default;

// The window holds the entry, so that its key acts wherever the window has the keyboard; an open
// list or a dialog, which are windows of their own, keep their letters.
QAction* StudyTools::addAction(const QKeySequence& key, void (StudyTools::*slot)()) {
    auto* action = new QAction(this);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
    FForm.addAction(action);
    return action;
}

void StudyTools::addMenuEntries() {
    QMenu* menu = FForm.Access()->menu();
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
    layOutTools(FForm, FStoredStrip, FGraph->chart(), FTable);
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

void StudyTools::displayUpdated() {
    const int profile = FForm.CBoxMode->ItemIndex();
    FGraph->measured({profile, FForm.Time1(), FForm.Time2(), FForm.SinglePoint(), FForm.Velocity()});
    if (FTable) FTable->follow(profile, FForm.Time1());
}

void StudyTools::profileChanged() {
    FGraph->clearTrace();
}

void StudyTools::toggleVelocityGraph() {
    const bool shown = !FGraph->shown();
    FForm.Explain(shown); // before the layout, which makes room for the text
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
        FTable = new LimitTablePanel(FForm, FTexts);
        FTable->hideValues(FValuesHidden);
        FTable->follow(FForm.CBoxMode->ItemIndex(), FForm.Time1());
    }
    FTable->setShown(shown);
    layOut();
}

void StudyTools::setPoints() {
    const bool single = FForm.SinglePoint();
    if (!FDialog) FDialog = new SetPointsDialog(&FForm, FTexts);
    FDialog->prepare(FForm.Time1(), FForm.Time2(), single);
    if (!FRunDialog(*FDialog)) return;
    if (single)
        FForm.MovePoint(1, FDialog->time1());
    else
        FForm.SetPoints(FDialog->time1(), FDialog->time2());
}

void StudyTools::reset() {
    applySimulation(SimulationState{});
}

void StudyTools::apply(const ViewState& state) {
    const bool graphShown = state.VelocityGraph || state.ExactCurve;
    if (graphShown != FGraph->shown()) FForm.Explain(graphShown);
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
    const SimulationState simulation{FForm.CBoxMode->ItemIndex(), FForm.Time1(), FForm.Time2(),
                                     FForm.CBox1Point->Checked(), FForm.CBoxShowCH->Checked()};
    return {
        simulation,       FGraph->shown(), FGraph->shown() && FGraph->exactCurve(), FTable && FTable->shown(),
        FLabels->shown(), FValuesHidden};
}

// The check boxes update the display as a click does; the trace then starts from the one
// measurement of the new points.
void StudyTools::applySimulation(const SimulationState& state) {
    FForm.CBoxMode->SetItemIndex(state.Profile);
    FForm.CBox1Point->SetChecked(state.SinglePoint);
    FForm.CBoxShowCH->SetChecked(state.Crosshairs);
    FGraph->clearTrace();
    FForm.SetPoints(state.T1, state.T2);
}
