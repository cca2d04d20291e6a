// What the main window offers for studying the derivative beyond the Parts' window: the velocity
// graph with its trace and exact curve, the limit table, the point labels, exact placement of the
// points, Reset, and a whole state applied at once (from the command line). Reached by the chart's
// keys (V, E, T, L, P), its context menu and Ctrl+R. Until asked for, none of it shows or changes anything.
#pragma once

#include "app/viewstate.h"
#include "platform/controls/shiftstate.h"

#include <QObject>

#include <functional>
#include <memory>

class LimitTablePanel;
class PointLabels;
class QAction;
class SetPointsDialog;
class StudyTexts;
class TForm1;
class VelocityGraph;

class StudyTools : public QObject {
    Q_OBJECT
public:
    StudyTools(TForm1& form, const StudyTexts& texts);
    ~StudyTools() override;

    // Called at the end of every update of the display: the measurement's dot, the table's point 1.
    void displayUpdated();
    // Called when the profile changes, before the display is updated: the trace starts anew.
    void profileChanged();
    // The chart's keys V, E, T, L and P; false for any other key.
    bool keyDown(int key, TShiftState shift);

    void toggleVelocityGraph();
    void toggleExactCurve();
    void toggleLimitTable();
    void togglePointLabels();
    // Opens "Set points..." and moves the points to the times accepted there.
    void setPoints();
    // Back to the start: the Standard Road, points at 50 and 110 min, two points, crosshairs on, the
    // trace started anew. The graph, the exact curve and the table stay as they are.
    void reset();
    // The whole state at once, the trace started anew from its measurement.
    void apply(const ViewState& state);
    // The state shown now, as apply() takes it.
    ViewState state() const;

    VelocityGraph& graph() const { return *FGraph; }
    PointLabels& labels() const { return *FLabels; }
    // Null until the table is first shown.
    LimitTablePanel* table() const { return FTable; }
    // How "Set points..." runs its dialog (modal unless replaced); true when it was accepted.
    void setDialogRunner(std::function<bool(SetPointsDialog&)> run) { FRunDialog = std::move(run); }

private:
    void showLimitTable(bool shown);
    void applySimulation(const SimulationState& state);
    void addMenuEntries();
    void menuOpens();

    TForm1& FForm;
    const StudyTexts& FTexts;
    std::unique_ptr<VelocityGraph> FGraph;
    std::unique_ptr<PointLabels> FLabels;
    // Made when first asked for, so that a start pays for neither.
    LimitTablePanel* FTable = nullptr;
    SetPointsDialog* FDialog = nullptr;
    std::function<bool(SetPointsDialog&)> FRunDialog;
    QAction* FGraphAction = nullptr;
    QAction* FExactAction = nullptr;
    QAction* FTableAction = nullptr;
    QAction* FLabelsAction = nullptr;
    QAction* FPointsAction = nullptr;
    QAction* FResetAction = nullptr;
};
