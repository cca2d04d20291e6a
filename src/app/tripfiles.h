// Measured trips in the main window: File > Open trip... (Ctrl+O) and a file dropped on the window
// open one, File > Export trip... writes the trip shown as a table. While a measured trip is open
// the profile box holds it as a fourth entry, named after its file, after the three profiles:
// choosing a profile measures on that, choosing the entry again on the trip. [ and ] narrow and
// widen the trip's smoothing window through kSmoothingSteps. A file that cannot be used leaves the
// trip shown as it was and says why in a message box.
#pragma once

#include "app/measuredtrip.h"
#include "app/windowparts.h"

#include <QObject>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QMenu;
class Simulation;
class TComboBox;
class TRChart;
class TRivazidad2000;
class TripTexts;
struct TripReadError;

// The half widths of the smoothing window that [ and ] step through, in min.
inline constexpr std::array<double, 6> kSmoothingSteps{0.1, 0.25, 0.5, 1, 2, 5};
// The next step above h (wider) or below it (narrower); h itself at the end of the steps.
double nextSmoothingStep(double h, bool wider);
// The smoothing window as captions show it after the velocity, " (±0.5 min)"; empty for a trip
// that is no measured one.
QString smoothingNote(const Trip& trip);

class TripFiles : public QObject {
    Q_OBJECT
public:
    struct Window {
        WindowParts Parts; // the window holds the entries' keys and takes the drops
        Simulation& Model;
        TComboBox& ProfileBox;
        std::function<TRivazidad2000*()> Dictionary; // null once the host has ended the program
    };
    // How the entries ask the user; file dialogs and message boxes unless replaced.
    struct Dialogs {
        std::function<QString(const QString& folder)> ChooseTripFile;
        std::function<QString(const QString& proposal)> ChooseExportFile;
        std::function<void(const QString& message)> ShowError;
    };
    TripFiles(const Window& window, const TripTexts& texts);

    struct Actions {
        QAction* Open;
        QAction* Export;
        QAction* NarrowerSmoothing;
        QAction* WiderSmoothing;
    };
    const Actions& actions() const { return FActions; }
    // The menu bar's File menu, before the others.
    QMenu* fileMenu() const { return FFileMenu; }
    void setDialogs(Dialogs dialogs) { FDialogs = std::move(dialogs); }

    // Reads the file at path and shows its trip; on an error, says why (ShowError) and keeps the trip
    // shown. True when the trip was opened.
    bool open(const QString& path);
    // Shows this trip: the profile box's fourth entry, the distance axis fitted to its distances.
    void show(MeasuredTrip trip);
    // Writes the measured trip shown to path; empty on success, else the message.
    QString exportTo(const QString& path) const;
    // The entry of the profile box at index chosen: true when it is the trip's, which is then shown;
    // false for a profile, for which the distance axis goes back to the layout's.
    bool choose(int index);
    // The measured trip being shown, or null.
    const MeasuredTrip* measured() const;
    void setSmoothing(double halfWidth);
    // The message for a file that cannot be used, in the language in use.
    QString errorText(const TripReadError& error) const;

    // The language file translates the profile box's entries by the keys they were read with: the
    // trip's entry goes before that and comes back after it.
    void beforeTranslation();
    void retranslate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addAction(const QKeySequence& key, void (TripFiles::*slot)());
    void chooseAndOpen();
    void chooseAndExport();
    void widen();
    void narrow();
    void addEntry();
    void useTrip();
    void updateEnabled();

    const Window FWindow;
    const TripTexts& FTexts;
    Dialogs FDialogs;
    Actions FActions{};
    QMenu* FFileMenu = nullptr;
    std::optional<MeasuredTrip> FTrip; // the profile box's fourth entry
    double FLaidOutLow = 0;            // the distance axis as the layout lays it out, km
    double FLaidOutHigh = 0;
};
