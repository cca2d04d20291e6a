#include "app/tripfiles.h"

#include "app/decimalseparator.h"
#include "app/sampletrips.h"
#include "app/simulation.h"
#include "app/timeaxis.h"
#include "app/tripexport.h"
#include "app/tripfile.h"
#include "app/triptexts.h"
#include "app/viewstate.h"
#include "chart/rchart.h"
#include "localisation/rivazidad2000.h"
#include "platform/controls/forms.h"
#include "platform/controls/stdctrls.h"
#include "platform/system/regularfile.h"

#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>

#include <algorithm>

namespace {

// The dialog's title is the menu entry without its ellipsis and Alt letter.
QString titleOf(QString caption) {
    if (caption.endsWith(QStringLiteral("..."))) caption.chop(3);
    if (caption.endsWith(QChar(0x2026))) caption.chop(1);
    return caption.remove(QLatin1Char('&'));
}

// The first local file among what is dragged; empty for anything else.
QString droppedFile(const QMimeData* data) {
    if (!data) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

} // namespace

double nextSmoothingStep(double h, bool wider) {
    if (wider) {
        const auto next = std::upper_bound(kSmoothingSteps.begin(), kSmoothingSteps.end(), h);
        return next == kSmoothingSteps.end() ? h : *next;
    }
    const auto next = std::lower_bound(kSmoothingSteps.begin(), kSmoothingSteps.end(), h);
    return next == kSmoothingSteps.begin() ? h : *(next - 1);
}

QString smoothingNote(const Trip& trip) {
    if (!asMeasuredTrip(trip)) return {};
    return QStringLiteral(" (\u00b1%1 min)").arg(trip.tangentHalfWidth());
}

TripFiles::TripFiles(const Window& window, const TripTexts& texts)
    : FWindow(window), FTexts(texts), FLaidOutLow(window.Parts.Chart->Scale1Y()->RangeLow()),
      FLaidOutHigh(window.Parts.Chart->Scale1Y()->RangeHigh()) {
    TForm& form = *FWindow.Parts.Window;
    FDialogs = {[&form, this](const QString& folder) {
                    return QFileDialog::getOpenFileName(&form, titleOf(FTexts.OpenTrip()), folder,
                                                        FTexts.TripFiles() +
                                                            QStringLiteral(" (*.csv *.txt *.tsv *.gpx)"));
                },
                [&form, this](const QString& proposal) {
                    return QFileDialog::getSaveFileName(&form, titleOf(FTexts.ExportTrip()), proposal,
                                                        QStringLiteral("CSV (*.csv)"));
                },
                [&form, this](const QString& message) {
                    QMessageBox::warning(&form, titleOf(FTexts.OpenTrip()), message);
                }};
    FActions = {addAction(Qt::CTRL | Qt::Key_O, &TripFiles::chooseAndOpen),
                addAction(QKeySequence(), &TripFiles::chooseAndExport),
                addAction(Qt::Key_BracketLeft, &TripFiles::narrow),
                addAction(Qt::Key_BracketRight, &TripFiles::widen)};
    FFileMenu = new QMenu(&form);
    FFileMenu->addActions({FActions.Open, FActions.Export});
    connect(FFileMenu, &QMenu::aboutToShow, this, [this] { updateEnabled(); });
    form.setAcceptDrops(true);
    form.installEventFilter(this);
    retranslate();
    updateEnabled();
}

QAction* TripFiles::addAction(const QKeySequence& key, void (TripFiles::*slot)()) {
    auto* action = new QAction(this);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
    FWindow.Parts.Window->addAction(action);
    return action;
}

void TripFiles::retranslate() {
    FFileMenu->setTitle(FTexts.FileMenu());
    FActions.Open->setText(FTexts.OpenTrip());
    FActions.Export->setText(FTexts.ExportTrip());
    FActions.NarrowerSmoothing->setText(FTexts.NarrowerSmoothing());
    FActions.WiderSmoothing->setText(FTexts.WiderSmoothing());
    addEntry();
}

void TripFiles::beforeTranslation() {
    TComboBox& box = FWindow.ProfileBox;
    QStringList items = box.Items();
    if (items.size() <= kMeasuredTripEntry) return;
    const int index = box.ItemIndex();
    box.SetItems(items.mid(0, kMeasuredTripEntry));
    box.SetItemIndex(index);
}

// The entry after the profiles, named after the trip's file, where a trip is open.
void TripFiles::addEntry() {
    if (!FTrip) return;
    TComboBox& box = FWindow.ProfileBox;
    const int index = box.ItemIndex();
    QStringList items = box.Items().mid(0, kMeasuredTripEntry);
    items << FTrip->name();
    box.SetItems(items);
    box.SetItemIndex(index);
}

// The entries that act on the trip shown, while its entry is chosen.
void TripFiles::updateEnabled() {
    const bool trip = FTrip && FWindow.ProfileBox.ItemIndex() == kMeasuredTripEntry;
    FActions.Export->setEnabled(trip);
    FActions.NarrowerSmoothing->setEnabled(trip);
    FActions.WiderSmoothing->setEnabled(trip);
}

bool TripFiles::open(const QString& path) {
    auto read = readTripFile(path);
    if (const TripReadError* error = std::get_if<TripReadError>(&read)) {
        FDialogs.ShowError(errorText(*error));
        return false;
    }
    show(std::move(std::get<MeasuredTrip>(read)));
    return true;
}

void TripFiles::show(MeasuredTrip trip) {
    FTrip = std::move(trip);
    addEntry();
    FWindow.ProfileBox.SetItemIndex(kMeasuredTripEntry);
    choose(kMeasuredTripEntry);
}

// The simulation measures on a copy, so that the entry keeps the trip while a profile is shown.
void TripFiles::useTrip() {
    TRChart& chart = *FWindow.Parts.Chart;
    const DistanceRange range = FTrip->distanceRange();
    setValueAxis(chart, tickedRange(chart, range.Low, range.High));
    FWindow.Model.setTrip(std::make_unique<MeasuredTrip>(*FTrip));
}

bool TripFiles::choose(int index) {
    updateEnabled();
    if (index == kMeasuredTripEntry && FTrip) {
        useTrip();
        return true;
    }
    setValueAxis(*FWindow.Parts.Chart, {FLaidOutLow, FLaidOutHigh});
    return false;
}

const MeasuredTrip* TripFiles::measured() const {
    return asMeasuredTrip(FWindow.Model.trip());
}

void TripFiles::setSmoothing(double halfWidth) {
    if (!measured()) return;
    FTrip->setTangentHalfWidth(halfWidth);
    useTrip();
}

void TripFiles::widen() {
    if (const MeasuredTrip* trip = measured())
        setSmoothing(nextSmoothingStep(trip->tangentHalfWidth(), true));
}

void TripFiles::narrow() {
    if (const MeasuredTrip* trip = measured())
        setSmoothing(nextSmoothingStep(trip->tangentHalfWidth(), false));
}

QString TripFiles::errorText(const TripReadError& error) const {
    TRivazidad2000* dictionary = FWindow.Dictionary();
    const QString key = tripReadErrorKey(error.Problem);
    return tripReadErrorText(error, dictionary ? dictionary->Translate(key) : key);
}

QString TripFiles::exportTo(const QString& path) const {
    const MeasuredTrip* trip = measured();
    if (!trip) return {};
    TRivazidad2000* dictionary = FWindow.Dictionary();
    const QChar separator = dictionary ? decimalSeparator(*dictionary) : QLatin1Char('.');
    const QString reason =
        writeFileAtomically(QFile::encodeName(path), tripCsvText(*trip, separator).toUtf8());
    return reason.isEmpty() ? reason : FTexts.CannotWrite().arg(path, reason);
}

void TripFiles::chooseAndOpen() {
    const QString path = FDialogs.ChooseTripFile(sampleTripFolder(QCoreApplication::applicationDirPath()));
    if (!path.isEmpty()) open(path);
}

void TripFiles::chooseAndExport() {
    const MeasuredTrip* trip = measured();
    if (!trip) return;
    const QString path =
        FDialogs.ChooseExportFile(QFileInfo(trip->name()).completeBaseName() + QStringLiteral("-kyvelo.csv"));
    if (path.isEmpty()) return;
    const QString message = exportTo(path);
    if (!message.isEmpty()) FDialogs.ShowError(message);
}

// A file dragged over the window is taken where it is a local one; dropped, it is opened.
bool TripFiles::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (droppedFile(drag->mimeData()).isEmpty()) return false;
        drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty()) return false;
        drop->acceptProposedAction();
        open(path);
        return true;
    }
    return false;
}
