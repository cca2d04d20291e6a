// What the main window offers for studying the derivative beyond the Parts' window: the velocity
// graph with its trace and exact curve, the limit table, the point labels, exact placement of the points,
// Reset, and a whole state applied at once (from the command line). Reached by their keys anywhere in the
// window (V, E, T, L, P, Ctrl+R), the chart's context menu and the menu bar. Until asked for, none of
// it shows or changes anything.
#pragma once

#include "app/viewstate.h"
#include "app/windowparts.h"

#include <QObject>

#include <functional>
#include <memory>

class ChartAccess;
class LimitTablePanel;
class PointLabels;
class QAction;
class QKeySequence;
class QWidget;
class SetPointsDialog;
class Simulation;
class StudyTexts;
class TCheckBox;
class TComboBox;
class TRivazidad2000;
class VelocityGraph;

class StudyTools : public QObject {
    Q_OBJECT
public:
    // What of the main window the tools use.
    struct Window {
        WindowParts Parts; // the window holds the entries' keys; its resizes lay the tools out anew
        Simulation& Model;
        ChartAccess& Access;
        TComboBox& ProfileBox;
        TCheckBox& SinglePointBox;
        TCheckBox& CrosshairsBox;
        std::function<void(int profile)> ChooseProfile;       // as a choice in the profile box does
        std::function<void(bool velocityGraphShown)> Explain; // the text under the chart
        std::function<TRivazidad2000*()> Dictionary;          // null once the host has ended the program
    };
    StudyTools(const Window& window, const StudyTexts& texts);
    ~StudyTools() override;

    // Called at the end of every update of the display: the measurement's dot, the table's point 1.
    void displayUpdated();
    // Called when the profile changes, before the display is updated: the trace starts anew.
    void profileChanged();
    // The entries of the menus, each with its key, which acts wherever the window has the keyboard.
    struct Actions {
        QAction* VelocityGraph;
        QAction* ExactCurve;
        QAction* LimitTable;
        QAction* PointLabels;
        QAction* SetPoints;
        QAction* Reset;
    };
    const Actions& actions() const { return FActions; }
    // The entries' captions, and those of the graph, the table and the dialog, in the language in use.
    void retranslate();
    // The entries' checks as things are.
    void updateChecks();
    // Lays out the chart and the tools shown (toolslayout.h), as after every change of the tools,
    // the window's size or the explanatory text.
    void layOut();

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
    // The values are left blank for a "predict first" sheet: the read-outs, the table's numbers and
    // the point labels.
    bool valuesHidden() const { return FValuesHidden; }

    VelocityGraph& graph() const { return *FGraph; }
    PointLabels& labels() const { return *FLabels; }
    // Null until the table is first shown.
    LimitTablePanel* table() const { return FTable; }
    // How "Set points..." runs its dialog (modal unless replaced); true when it was accepted.
    void setDialogRunner(std::function<bool(SetPointsDialog&)> run) { FRunDialog = std::move(run); }
    // The road strip that the layout places with the tools (null while it has not been made).
    void setRoadStrip(std::function<QWidget*()> road) { FRoadStrip = std::move(road); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showLimitTable(bool shown);
    void applySimulation(const SimulationState& state);
    QAction* addAction(const QKeySequence& key, void (StudyTools::*slot)());
    void addMenuEntries();

    TForm& form() const { return *FWindow.Parts.Window; }

    const Window FWindow;
    const StudyTexts& FTexts;
    std::unique_ptr<VelocityGraph> FGraph;
    std::unique_ptr<PointLabels> FLabels;
    // Made when first asked for, so that a start pays for neither.
    LimitTablePanel* FTable = nullptr;
    SetPointsDialog* FDialog = nullptr;
    std::function<bool(SetPointsDialog&)> FRunDialog;
    std::function<QWidget*()> FRoadStrip = [] { return nullptr; };
    bool FValuesHidden = false;
    Actions FActions;
    int FStoredStrip = 0; // the text strip's height as the layout stores it
};
