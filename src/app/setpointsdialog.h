// "Set points...": the measuring points' times typed in minutes, in steps of 0.1 min and within
// the time axis. In single-point mode only point 1 can be set. It is wide enough for its title in
// every language.
#pragma once

#include <QDialog>

class QDoubleSpinBox;
class StudyTexts;

class SetPointsDialog : public QDialog {
    Q_OBJECT
public:
    SetPointsDialog(QWidget* parent, const StudyTexts& texts);

    // Fills the boxes before the dialog opens: the axis, the points and the mode.
    void prepare(double axisStart, double axisEnd, double t1, double t2, bool singlePoint);
    // The times accepted; a box left as it was prepared gives the point's time unrounded.
    double time1() const;
    double time2() const;
    QDoubleSpinBox* box1() const { return FBox1; }
    QDoubleSpinBox* box2() const { return FBox2; }

private:
    QDoubleSpinBox* FBox1;
    QDoubleSpinBox* FBox2;
    double FPrepared1 = 0, FPrepared2 = 0; // the times given to prepare
    double FShown1 = 0, FShown2 = 0;       // what the boxes showed of them
};
