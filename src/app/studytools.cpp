#include "app/studytools.h"

#include "app/chartaccess.h"
#include "app/decimalseparator.h"
#include "app/limittablepanel.h"
#include "app/mainfrm.h"
#include "app/pointlabels.h"
#include "app/setpointsdialog.h"
#include "app/studytexts.h"
#include "app/velocitygraph.h"
#include "chart/rchart.h"
#include "hostlink/marvestodemon.h"
#include "localisation/rivazidad2000.h"
#include "platform/controls/stdctrls.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>

using enum TShiftStateFlag;

namespace {

// A menu entry that names its key after a tab.
QString withKey(const QString& caption, const QString& key) {
    return caption + QLatin1Char('\t') + key;
}

// The language's decimal separator, a point once the host has ended the program.
QChar separatorOf(const TForm1& form) {
    return form.cliDemon ? decimalSeparator(form.cliDemon->Dictionary()) : QLatin1Char('.');
}

} // namespace

StudyTools::StudyTools(TForm1& form, const StudyTexts& texts)
    : FForm(form), FTexts(texts), FGraph(std::make_unique<VelocityGraph>(form, texts)),
      FLabels(std::make_unique<PointLabels>(*form.RC1, form.Access()->points(),
                                            [&form] { return separatorOf(form); })),
      FRunDialog([](SetPointsDialog& dialog) { return dialog.exec() == QDialog::Accepted; }) {
    addMenuEntries();
    auto* resetKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), &FForm);
    connect(resetKey, &QShortcut::activated, this, [this] { reset(); });
}

StudyTools::~StudyTools() = default;

void StudyTools::addMenuEntries() {
    QMenu* menu = FForm.Access()->menu();
    menu->addSeparator();
    FGraphAction = menu->addAction(QString(), this, [this] { toggleVelocityGraph(); });
    FExactAction = menu->addAction(QString(), this, [this] { toggleExactCurve(); });
    FTableAction = menu->addAction(QString(), this, [this] { toggleLimitTable(); });
    FLabelsAction = menu->addAction(QString(), this, [this] { togglePointLabels(); });
    for (QAction* toggle : {FGraphAction, FExactAction, FTableAction, FLabelsAction})
        toggle->setCheckable(true);
    menu->addSeparator();
    FPointsAction = menu->addAction(QString(), this, [this] { setPoints(); });
    FResetAction = menu->addAction(QString(), this, [this] { reset(); });
    connect(menu, &QMenu::aboutToShow, this, [this] { menuOpens(); });
}

void StudyTools::menuOpens() {
    FGraphAction->setText(withKey(FTexts.VelocityGraph(), QStringLiteral("V")));
    FGraphAction->setChecked(FGraph->shown());
    FExactAction->setText(withKey(FTexts.ExactCurve(), QStringLiteral("E")));
    FExactAction->setChecked(FGraph->exactCurve());
    FTableAction->setText(withKey(FTexts.LimitTable(), QStringLiteral("T")));
    FTableAction->setChecked(FTable && FTable->shown());
    FLabelsAction->setText(withKey(FTexts.PointLabels(), QStringLiteral("L")));
    FLabelsAction->setChecked(FLabels->shown());
    FPointsAction->setText(withKey(FTexts.SetPoints(), QStringLiteral("P")));
    FResetAction->setText(
        withKey(FTexts.Reset(), QKeySequence(Qt::CTRL | Qt::Key_R).toString(QKeySequence::NativeText)));
}

bool StudyTools::keyDown(int key, TShiftState shift) {
    if (shift.testFlag(ssCtrl) || shift.testFlag(ssAlt)) return false;
    switch (key) {
    case Qt::Key_V:
        toggleVelocityGraph();
        return true;
    case Qt::Key_E:
        toggleExactCurve();
        return true;
    case Qt::Key_T:
        toggleLimitTable();
        return true;
    case Qt::Key_L:
        togglePointLabels();
        return true;
    case Qt::Key_P:
        setPoints();
        return true;
    default:
        return false;
    }
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
    FForm.Explain(shown); // before the graph shows or hides, so that it makes room for the text
    FGraph->setShown(shown);
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
        FTable->follow(FForm.CBoxMode->ItemIndex(), FForm.Time1());
    }
    FTable->setShown(shown);
}

void StudyTools::setPoints() {
    const TScalePropsHoriz& axis = *FForm.RC1->Scale1X();
    const bool single = FForm.SinglePoint();
    if (!FDialog) FDialog = new SetPointsDialog(&FForm, FTexts);
    FDialog->prepare(axis.RangeLow(), axis.RangeHigh(), FForm.Time1(), FForm.Time2(), single);
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
    showLimitTable(state.LimitTable);
    FLabels->setShown(state.PointLabels);
    applySimulation(state.Simulation);
}

ViewState StudyTools::state() const {
    const SimulationState simulation{FForm.CBoxMode->ItemIndex(), FForm.Time1(), FForm.Time2(),
                                     FForm.CBox1Point->Checked(), FForm.CBoxShowCH->Checked()};
    return {simulation, FGraph->shown(), FGraph->shown() && FGraph->exactCurve(), FTable && FTable->shown(),
            FLabels->shown()};
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
