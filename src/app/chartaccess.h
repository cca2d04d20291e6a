// What the main window offers beyond the mouse: the chart driven from the keyboard, its context
// menu with pictures for worksheets, point 2 gliding onto point 1, and the read-outs and the chart
// described to assistive technology. A session that never touches the keyboard sees no more of it
// than the ring around the point it clicked last: the window, its pictures and its read-outs stay
// as they are.
#pragma once

#include "app/pointglide.h"
#include "platform/controls/intervaltimer.h"
#include "platform/controls/shiftstate.h"

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class AccessTexts;
class MeasuringPoints;
class QAction;
class QMenu;
class QWidget;
class TComboBox;
class TLabel;
class TPanel;
class TRChart;
class TRasterLab;

class ChartAccess : public QObject {
    Q_OBJECT
public:
    // The controls it works on: the chart; the read-outs (speed, ds, dt) with their captions and
    // the panel they sit on, pictured beside the chart; the profile box, described with the chart;
    // and the window that owns the dialogs.
    struct Controls {
        TRChart* Chart;
        std::array<TRasterLab*, 3> Readouts;
        std::array<TLabel*, 3> Captions;
        TPanel* ReadoutPanel;
        TComboBox* ProfileBox;
        QWidget* Window;
    };

    ChartAccess(MeasuringPoints& points, const Controls& controls, const AccessTexts& texts);
    // The measuring points it moves.
    const MeasuringPoints& points() const { return FPoints; }
    ~ChartAccess() override;

    // The point the keys move: the one pressed on or dragged last, point 1 at first and in
    // single-point mode.
    int activePoint() const;
    void setActivePoint(int point) { FActivePoint = point; }
    // What other views add to the chart's description (the zoom level); empty: nothing.
    void setDescriptionTail(std::function<QString()> tail) { FDescriptionTail = std::move(tail); }
    // Called at the end of every update of the display.
    void displayUpdated();

    // The chart's description for assistive technology: the profile and the measuring points.
    QString chartDescription() const;

    // The context menu, shown at a global position.
    void showMenu(QPoint globalPos);
    // The menu's captions in the language in use.
    void retranslate();
    QMenu* menu() const { return FMenu.get(); }
    QAction* copyPictureAction() const { return FCopyAction; }
    QAction* savePictureAction() const { return FSaveAction; }
    QAction* glideAction() const { return FGlideAction; }

    // Where "Save picture..." asks for a file name (empty: cancelled) and reports a failure.
    struct PictureDialogs {
        std::function<QString(const QString& proposal)> ChooseFile;
        std::function<void(const QString& message)> ShowError;
    };
    void setPictureDialogs(PictureDialogs dialogs) { FDialogs = std::move(dialogs); }

    // The glide of point 2 towards point 1; any key or mouse press stops it.
    void startGlide();
    void stopGlide();
    bool gliding() const { return FGlide.active(); }
    // What paces the glide (a timer unless replaced).
    void setGlideTimer(std::unique_ptr<IntervalTimer> timer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void describeToAssistiveTechnology();
    void nameProfileBox();
    void announceChanges();
    void keyDown(int& key, TShiftState shift);
    void pickPoint(QPoint pixel);
    void stepActivePoint(double minutes);
    void moveActivePoint(double t);
    void switchPoint();
    void moveFocus(bool forward);
    QPoint activePointOnScreen() const;
    void buildMenu();
    void copyPicture();
    void savePicture();
    void glideStep();
    QPointF activePointData() const;
    double axisStart() const;
    double axisEnd() const;

    MeasuringPoints& FPoints;
    const Controls FControls;
    const AccessTexts& FTexts;
    int FActivePoint = 1;
    std::array<QString, 3> FAnnouncedReadouts;
    QString FAnnouncedDescription;
    std::function<QString()> FDescriptionTail;
    std::unique_ptr<QMenu> FMenu;
    QAction* FCopyAction = nullptr;
    QAction* FSaveAction = nullptr;
    QAction* FGlideAction = nullptr;
    PictureDialogs FDialogs;
    PointGlide FGlide;
    std::unique_ptr<IntervalTimer> FTimer;
};
