// The main window: the chart with the trip curve, the controls that steer the simulation and the
// three dot-matrix read-outs, the explanatory text under the chart and the About dialog as its
// start-up screen. Everything is built from the stored layout ":/layouts/mainfrm.lfm";
// the members below are found there by name once the layout has been read.
#pragma once

#include "app/monotonicclock.h"
#include "app/windowparts.h"
#include "platform/controls/forms.h"
#include "platform/controls/shiftstate.h"

#include <QPointer>

#include <memory>
#include <vector>

class AccessTexts;
class ChartAccess;
class ReadoutTexts;
class RoadStripTexts;
class RoadStripView;
class Simulation;
class StudyTexts;
class LanguageMenu;
class MainMenu;
class MenuTexts;
class PresentationMode;
class StudyTools;
class TCheckBox;
class TComboBox;
class THTMLViewer;
class TkdbDemonClient;
class TLabel;
class TPanel;
class TRChart;
class TMouseControl;
class TRasterLab;
class TSLine;
class TSpeedButton;
class ViewTexts;
class ZoomView;
class TripFiles;
class TripTexts;

class TForm1 : public TForm {
    Q_OBJECT
public:
    // The layout is scaled up to the screen's resolution (0: the primary screen's), never down.
    // Throws Exception naming the component when the layout lacks one of the members below (or
    // holds it as another class), and ELayoutError when it cannot be read.
    explicit TForm1(int screenPixelsPerInch = 0,
                    const QString& layoutPath = QStringLiteral(":/layouts/mainfrm.lfm"));
    ~TForm1() override;

    // Published handlers.
    void FormShow(QObject* Sender);
    void RC1MouseMoveInChart(QObject* Sender, bool InChart, TShiftState Shift, double rMousePosX,
                             double rMousePosY);
    void CBox1PointClick(QObject* Sender);
    void CBoxShowCHClick(QObject* Sender);
    void HTMLViewHotSpotClick(QObject* Sender, const QString& SRC, bool& Handled);
    void SBAboutClick(QObject* Sender);
    void SBExitClick(QObject* Sender);
    void CBoxModeChange(QObject* Sender);

    // Rebuilds the chart's items and the three read-outs from the measurement; runs on every
    // change of the simulation.
    void UpdateDisplay();
    // The trip, the measuring points and the mode, which the display shows.
    Simulation& Model() const { return *FSimulation; }
    // Only measuring point 1 is shown and moved (the single-point box is checked).
    bool SinglePoint() const;
    // The measuring point that a press or drag at time t takes: the nearer one (point 2 on a tie),
    // point 1 in single-point mode.
    int NearerPoint(double t) const;
    // Puts measuring point 1 or 2 onto the curve at time t and updates the display, as a drag does.
    void MovePoint(int point, double t);
    // Chooses the trip profile in the profile box and measures on it.
    void SetProfile(int profile);
    // Shows the explanatory text in the strip under the chart, its help links leading to the pages
    // beside the program or installed with it. With the velocity graph shown, the text goes on to
    // say what the area under it means. In single-point mode it speaks of the one point.
    void Explain(bool velocityGraphShown);
    // Puts both measuring points onto the curve at once and updates the display once.
    void SetPoints(double t1, double t2);
    // The keyboard, the chart's context menu, the glide and what screen readers are told.
    ChartAccess* Access() const { return FAccess.get(); }
    // The velocity graph, the limit table, exact placement of the points and Reset.
    StudyTools* Study() const { return FStudy.get(); }
    // Opening, exporting and smoothing measured trips (File menu, drops, [ and ]).
    TripFiles* Trips() const { return FTrips.get(); }
    // The Language menu, in the menu bar and the chart's context menu.
    LanguageMenu* Languages() const { return FLanguages.get(); }
    // Zoom and pan of the chart.
    ZoomView* Zoom() const { return FZoom.get(); }
    // The road strip with its playing car.
    RoadStripView* Road() const { return FRoad.get(); }
    // The menu bar above the layout's controls.
    MainMenu* Menu() const { return FMenu; }
    // Speaks the language of the language file found now, in place: the file is read again and
    // this window and the About dialog are translated anew from their keys; what they show stays.
    void Retranslate();
    // Qt's own texts (dialogs, menus, buttons) in the language the language file names.
    void UseQtTranslations();
    // Full screen with the chart, the read-outs and the text enlarged for a class (F5), and back
    // (F5 or Escape).
    void togglePresentation();
    PresentationMode* Presentation() const { return FPresentation; }
    // The controls that draw pictures of their own: the chart, the velocity graph where it has been
    // made and the read-outs. Presentation mode zooms them; a picture of the window at a larger
    // scale has them draw at its pixel ratio.
    std::vector<TMouseControl*> PictureControls() const;
    // The parts of the window that its tools lay out, enlarge and draw.
    WindowParts Parts();

    double Time1() const;
    double Time2() const;
    double Dist1() const;
    double Dist2() const;
    // The slope of the secant or tangent in km/h, as the velocity read-out shows it.
    double Velocity() const;

    TPanel* Panel1 = nullptr;
    TCheckBox* CBox1Point = nullptr;
    TCheckBox* CBoxShowCH = nullptr;
    TComboBox* CBoxMode = nullptr;
    TSpeedButton* SBAbout = nullptr;
    TSpeedButton* SBExit = nullptr;
    TRChart* RC1 = nullptr;
    TPanel* Panel2 = nullptr;
    TLabel* Label1 = nullptr;
    TRasterLab* RLabSpeed = nullptr;
    TLabel* LblDS = nullptr;
    TRasterLab* RLabDS = nullptr;
    TLabel* LblDT = nullptr;
    TRasterLab* RLabDT = nullptr;
    TPanel* Panel3 = nullptr;
    THTMLViewer* HTMLView = nullptr;
    TSLine* SLine1 = nullptr;
    QPointer<TkdbDemonClient> cliDemon; // gone once the host has ended the program

protected:
    // Each show from hidden opens the window inside the screen.
    void showEvent(QShowEvent* event) override;

private:
    void publishHandlers();
    void addViews();
    QString homePage() const;
    void fillAboutDialog();
    void startSimulation();
    void findComponents();
    void placeLine();
    void addCurve();
    void addSlopeTriangle();
    void blankReadouts();
    void showReadouts();

    // Ownership: a raw pointer never owns. The window's Qt children (the layout's components above,
    // the model, the texts, the menu bar, presentation mode) are owned by it as their Qt parent; the
    // helpers that reach into those children are unique_ptrs, so that they go before the children.
    Simulation* FSimulation = nullptr;
    AccessTexts* FAccessTexts = nullptr;
    ReadoutTexts* FReadoutTexts = nullptr;
    std::unique_ptr<ChartAccess> FAccess;
    StudyTexts* FStudyTexts = nullptr;
    std::unique_ptr<StudyTools> FStudy;
    TripTexts* FTripTexts = nullptr;
    std::unique_ptr<TripFiles> FTrips;
    std::unique_ptr<LanguageMenu> FLanguages;
    MenuTexts* FMenuTexts = nullptr;
    ViewTexts* FViewTexts = nullptr;
    RoadStripTexts* FRoadStripTexts = nullptr;
    SteadyClock FClock;
    std::unique_ptr<ZoomView> FZoom;
    std::unique_ptr<RoadStripView> FRoad;
    MainMenu* FMenu = nullptr;
    PresentationMode* FPresentation = nullptr;
    bool FStarted = false; // the start-up runs at the first show only
};
