#include "app/mainfrm.h"

#include "app/aboutbox.h"
#include "app/abouttexts.h"
#include "app/accesstexts.h"
#include "app/chartaccess.h"
#include "app/componentclasses.h"
#include "app/helplink.h"
#include "app/languagemenu.h"
#include "app/layoutresources.h"
#include "app/mainmenu.h"
#include "app/menutexts.h"
#include "app/presentationmode.h"
#include "app/profiletrip.h"
#include "app/programlanguage.h"
#include "app/readouttexts.h"
#include "app/requirecomponent.h"
#include "app/roadstrip.h"
#include "app/roadstriptexts.h"
#include "app/roadstripview.h"
#include "app/simulation.h"
#include "app/studytexts.h"
#include "app/studytools.h"
#include "app/tripfiles.h"
#include "app/triptexts.h"
#include "app/velocitygraph.h"
#include "app/viewstate.h"
#include "app/viewtexts.h"
#include "app/windowplacement.h"
#include "app/zoomview.h"
#include "chart/rchart.h"
#include "hostlink/marvestodemon.h"
#include "localisation/rivazidad2000.h"
#include "platform/controls/buttons.h"
#include "platform/controls/stdctrls.h"
#include "platform/graphics/font.h"
#include "platform/layout/layoutloader.h"
#include "platform/system/shellexecute.h"
#include "viewer/htmlviewer.h"
#include "widgets/rasterlab.h"
#include "widgets/sline.h"
#include "widgets/urllab.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QShowEvent>

#include <algorithm>

namespace {

constexpr int kLayoutPixelsPerInch = 120; // as stated in mainfrm.lfm

// The dot-matrix read-outs draw dots of a fixed pixel size: a layout shrunk below the resolution it
// was made at cuts off their lowest dot row, and with it the decimal point. So it only grows.
int layoutTargetPixelsPerInch(int requested) {
    return std::max(requested > 0 ? requested : screenPixelsPerInch(), kLayoutPixelsPerInch);
}

// The language file's text for a key, or nothing where the file has none (an older or a class's own
// file may lack the newer texts).
QString textIfTranslated(TkdbDemonClient& link, const QString& key) {
    const QString text = link.Translate(key);
    return text == key ? QString() : text;
}

} // namespace

TForm1::TForm1(int screenPixelsPerInch, const QString& layoutPath) {
    initLayoutResources();
    registerKyveloComponents();
    publishHandlers();
    FSimulation = new Simulation(
        std::make_unique<ProfileTrip>(static_cast<TripProfile>(SimulationState().Profile)), this);
    // Created before the layout is read, so that its captions are translated with the layout's.
    FAccessTexts = new AccessTexts(this);
    FReadoutTexts = new ReadoutTexts(this);
    FStudyTexts = new StudyTexts(this);
    FMenuTexts = new MenuTexts(this);
    FViewTexts = new ViewTexts(this);
    FRoadStripTexts = new RoadStripTexts(this);
    FTripTexts = new TripTexts(this);
    readFormLayout(*this, layoutPath, layoutTargetPixelsPerInch(screenPixelsPerInch));
    findComponents();
    blankReadouts();
    FAccess = std::make_unique<ChartAccess>(
        *FSimulation,
        ChartAccess::Controls{
            RC1, {RLabSpeed, RLabDS, RLabDT}, {Label1, LblDS, LblDT}, Panel2, CBoxMode, this},
        *FAccessTexts);
    FStudy = std::make_unique<StudyTools>(
        StudyTools::Window{Parts(), *FSimulation, *FAccess, *CBoxMode, *CBox1Point, *CBoxShowCH,
                           [this](int profile) { SetProfile(profile); },
                           [this](bool velocityGraphShown) { Explain(velocityGraphShown); },
                           [this] { return cliDemon ? &cliDemon->Dictionary() : nullptr; }},
        *FStudyTexts);
    FLanguages = std::make_unique<LanguageMenu>(*this, *FAccess->menu(), *FAccessTexts, *FMenuTexts,
                                                [this] { Retranslate(); }); // the context menu's last entry
    FMenu = new MainMenu(
        *this, *FAccess, *FStudy, *FLanguages, *FMenuTexts,
        {[this] { togglePresentation(); }, [this] { SBAboutClick(this); }, [this] { return homePage(); }});
    addViews();
    FTrips = std::make_unique<TripFiles>(
        TripFiles::Window{Parts(), *FSimulation, *CBoxMode,
                          [this] { return cliDemon ? &cliDemon->Dictionary() : nullptr; }},
        *FTripTexts);
    FMenu->addFileMenu(FTrips->fileMenu());
    FMenu->addViewEntries({FTrips->actions().NarrowerSmoothing, FTrips->actions().WiderSmoothing});
    FPresentation = new PresentationMode(Parts(), [this] { return PictureControls(); });
    connect(FSimulation, &Simulation::changed, this, &TForm1::UpdateDisplay);
}

// Zoom and the road strip, with their entries in the View menu.
void TForm1::addViews() {
    FZoom = std::make_unique<ZoomView>(
        ZoomView::Window{*this, *RC1, *FSimulation, *FAccess, [this] { UpdateDisplay(); }}, *FViewTexts);
    FAccess->setDescriptionTail([this] { return FZoom->description(); });
    FRoad = std::make_unique<RoadStripView>(RoadStripView::Window{*this, *RC1, *FSimulation,
                                                                  [this] { return FStudy->graph().chart(); },
                                                                  [this] { FStudy->layOut(); }},
                                            *FRoadStripTexts, *FViewTexts, FClock);
    FStudy->setRoadStrip([this]() -> QWidget* { return FRoad->strip(); });
    const ZoomView::Actions& zoom = FZoom->actions();
    FMenu->addViewEntries({zoom.ZoomIn, zoom.ZoomOut, zoom.WholeTrip});
    FMenu->addViewEntries({FRoad->actions().Show, FRoad->actions().Follow});
    connect(FMenu->viewMenu(), &QMenu::aboutToShow, FRoad.get(), &RoadStripView::updateChecks);
}

WindowParts TForm1::Parts() {
    return {this, Panel1, RC1, Panel2, Panel3, HTMLView};
}

// The home page the language file names, as the About dialog's link opens it; none once the host
// has ended the program.
QString TForm1::homePage() const {
    if (!cliDemon) return QString();
    return resolveHelpLink(cliDemon->Translate(QStringLiteral("HomePageURL")),
                           systemHelpFolders(QCoreApplication::applicationDirPath()));
}

void TForm1::togglePresentation() {
    FPresentation->toggle();
}

std::vector<TMouseControl*> TForm1::PictureControls() const {
    std::vector<TMouseControl*> controls{RC1, RLabSpeed, RLabDS, RLabDT};
    if (TRChart* graph = FStudy->graph().chart()) controls.push_back(graph);
    return controls;
}

TForm1::~TForm1() = default;

void TForm1::publishHandlers() {
    PublishHandler(QStringLiteral("FormShow"), this, &TForm1::FormShow);
    PublishHandler(QStringLiteral("RC1MouseMoveInChart"), this, &TForm1::RC1MouseMoveInChart);
    PublishHandler(QStringLiteral("CBox1PointClick"), this, &TForm1::CBox1PointClick);
    PublishHandler(QStringLiteral("CBoxShowCHClick"), this, &TForm1::CBoxShowCHClick);
    PublishHandler(QStringLiteral("HTMLViewHotSpotClick"), this, &TForm1::HTMLViewHotSpotClick);
    PublishHandler(QStringLiteral("SBAboutClick"), this, &TForm1::SBAboutClick);
    PublishHandler(QStringLiteral("SBExitClick"), this, &TForm1::SBExitClick);
    PublishHandler(QStringLiteral("CBoxModeChange"), this, &TForm1::CBoxModeChange);
}

void TForm1::findComponents() {
    Panel1 = requireComponent<TPanel>(*this, "Panel1");
    CBox1Point = requireComponent<TCheckBox>(*this, "CBox1Point");
    CBoxShowCH = requireComponent<TCheckBox>(*this, "CBoxShowCH");
    CBoxMode = requireComponent<TComboBox>(*this, "CBoxMode");
    SBAbout = requireComponent<TSpeedButton>(*this, "SBAbout");
    SBExit = requireComponent<TSpeedButton>(*this, "SBExit");
    RC1 = requireComponent<TRChart>(*this, "RC1");
    Panel2 = requireComponent<TPanel>(*this, "Panel2");
    Label1 = requireComponent<TLabel>(*this, "Label1");
    RLabSpeed = requireComponent<TRasterLab>(*this, "RLabSpeed");
    LblDS = requireComponent<TLabel>(*this, "LblDS");
    RLabDS = requireComponent<TRasterLab>(*this, "RLabDS");
    LblDT = requireComponent<TLabel>(*this, "LblDT");
    RLabDT = requireComponent<TRasterLab>(*this, "RLabDT");
    Panel3 = requireComponent<TPanel>(*this, "Panel3");
    HTMLView = requireComponent<THTMLViewer>(*this, "HTMLView");
    SLine1 = requireComponent<TSLine>(*this, "SLine1");
    cliDemon = requireComponent<TkdbDemonClient>(*this, "cliDemon");
}

// The stored place is kept where the whole window fits on the screen, otherwise it is centred.
void TForm1::showEvent(QShowEvent* event) {
    TForm::showEvent(event);
    if (!event->spontaneous()) keepInsideScreen(*this);
}

// The start-up screen comes first; the chart is filled once it is closed. A later show (after the
// window was hidden) finds the simulation as the user left it.
void TForm1::FormShow(QObject*) {
    if (FStarted) return;
    FStarted = true;
    fillAboutDialog();
    FrmAbout->ShowModalOver(*this);
    if (!cliDemon) return; // the host asked the program to quit while the start-up screen was up
    Explain(false);
    startSimulation();
}

void TForm1::Explain(bool velocityGraphShown) {
    if (!cliDemon) return;
    QString html = SinglePoint() ? textIfTranslated(*cliDemon, QStringLiteral("MMExplainSingle")) : QString();
    if (html.isEmpty()) html = cliDemon->Translate(QStringLiteral("MMExplain"));
    if (velocityGraphShown) html += textIfTranslated(*cliDemon, QStringLiteral("MMExplainVelocity"));
    HTMLView->LoadFromString(
        resolveHelpLinks(html, systemHelpFolders(QCoreApplication::applicationDirPath())));
}

void TForm1::Retranslate() {
    if (!cliDemon) return;
    cliDemon->LoadLanguageFile();
    FTrips->beforeTranslation();
    cliDemon->Dictionary().TranslateComponent(this);
    FTrips->retranslate();
    UseQtTranslations();
    if (FrmAbout) fillAboutDialog();
    FAccess->retranslate();
    FStudy->retranslate();
    FLanguages->retranslate();
    FMenu->retranslate();
    FZoom->retranslate();
    FRoad->retranslate();
    Explain(FStudy->graph().shown());
    FStudy->layOut();              // the text strip's new text
    if (FStarted) UpdateDisplay(); // the read-outs' units
}

void TForm1::UseQtTranslations() {
    installQtTranslations(programLanguage(cliDemon->Translate(QStringLiteral("$dlglanguage$"))));
}

// Its captions are translated here, from their keys; the description, the links' heading and the
// two fixed links are the program's own, in the language the language file names itself.
void TForm1::fillAboutDialog() {
    FrmAbout->LblName->SetCaption(QStringLiteral("Kyvelo"));
    FrmAbout->LblVersion->SetCaption(QStringLiteral("Version " KYVELO_VERSION));
    TRivazidad2000& dictionary = cliDemon->Dictionary();
    const HelpFolders help = systemHelpFolders(QCoreApplication::applicationDirPath());
    FrmAbout->UrlLabHomepage->SetURL(
        resolveHelpLink(dictionary.Translate(QStringLiteral("HomePageURL")), help));
    const QString language = dictionary.Translate(QStringLiteral("$dlglanguage$"));
    dictionary.TranslateComponent(FrmAbout);
    const AboutTexts texts = aboutTextsFor(language);
    FrmAbout->LblWebSite->SetCaption(texts.WebSite);
    FrmAbout->LblDescription->SetCaption(texts.Description);
    FrmAbout->UrlLabVRXSuite->SetURL(resolveHelpLink(texts.SuiteLink, help));
    FrmAbout->UrlLabRadavuziziz->SetURL(resolveHelpLink(texts.PellavoLink, help));
}

void TForm1::startSimulation() {
    const SimulationState start;
    SetProfile(start.Profile);
    SetPoints(start.T1, start.T2);
}

// The shell opens the link: a web page or a help page in the browser, a document in its program.
void TForm1::HTMLViewHotSpotClick(QObject*, const QString& SRC, bool& Handled) {
    Handled = true;
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    QCoreApplication::processEvents();
    shellExecute({QString(), SRC, QString()});
    QGuiApplication::restoreOverrideCursor();
}

void TForm1::SBAboutClick(QObject*) {
    FrmAbout->ShowModalOver(*this);
}

void TForm1::SBExitClick(QObject*) {
    Close();
}
