// "Set points...": the measuring points' times typed in minutes, with a decimal point or comma. A
// time off the trip's time span, or no number, keeps the dialog open and says which times it takes.
// In single-point mode only point 1 can be set. It is
// wide enough for its title in every language.
#pragma once

#include "app/trip.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class StudyTexts;

// The time in minutes that `text` gives, with a point or a comma before its decimals; none when it
// is no number or lies outside the trip's time span.
std::optional<double> typedTime(const QString& text, TripSpan span);

class SetPointsDialog : public QDialog {
    Q_OBJECT
public:
    SetPointsDialog(QWidget* parent, const StudyTexts& texts);

    // Fills the boxes before the dialog opens: the points and the mode; the times it takes lie in
    // the span.
    void prepare(double t1, double t2, bool singlePoint, TripSpan span);
    // The times accepted; a box left as it was prepared gives the point's time unrounded.
    double time1() const;
    double time2() const;
    // Closes the dialog only when every box that can be typed in holds a time in the span.
    void accept() override;

    QLineEdit* box1() const { return FBox1; }
    QLineEdit* box2() const { return FBox2; }
    QLabel* message() const { return FMessage; }

private:
    double timeIn(const QLineEdit& box, double prepared) const;

    const StudyTexts& FTexts;
    QLineEdit* FBox1;
    QLineEdit* FBox2;
    QLabel* FMessage;                      // why the times were not taken; hidden until then
    double FPrepared1 = 0, FPrepared2 = 0; // the times given to prepare
    TripSpan FSpan;
};
