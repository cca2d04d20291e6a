#include "app/setpointsdialog.h"

#include "app/studytexts.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QPushButton>

namespace {

constexpr double kStep = 0.1; // min
// What a window manager's title bar takes beside the title: icon, buttons and margins.
constexpr int kTitleBarReserve = 140; // pixels

// Wide enough that the title bar shows the whole title, in a bold font as most title bars use.
int widthForTitle(const QWidget& dialog, const QString& title) {
    QFont bold = dialog.font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + kTitleBarReserve;
}

QDoubleSpinBox* minutesBox(QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setDecimals(1);
    box->setSingleStep(kStep);
    return box;
}

} // namespace

SetPointsDialog::SetPointsDialog(QWidget* parent, const StudyTexts& texts)
    : QDialog(parent), FBox1(minutesBox(this)), FBox2(minutesBox(this)) {
    QString title = texts.SetPoints();
    if (title.endsWith(QStringLiteral("..."))) title.chop(3);
    setWindowTitle(title);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(texts.Ok());
    buttons->button(QDialogButtonBox::Cancel)->setText(texts.Cancel());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this); // each caption a label with its box as buddy
    form->addRow(texts.PointOneMinutes(), FBox1);
    form->addRow(texts.PointTwoMinutes(), FBox2);
    form->addRow(buttons);
    setMinimumWidth(widthForTitle(*this, title));
}

void SetPointsDialog::prepare(double axisStart, double axisEnd, double t1, double t2, bool singlePoint) {
    for (QDoubleSpinBox* box : {FBox1, FBox2})
        box->setRange(axisStart, axisEnd);
    FBox1->setValue(t1);
    FBox2->setValue(t2);
    FPrepared1 = t1;
    FPrepared2 = t2;
    FShown1 = FBox1->value();
    FShown2 = FBox2->value();
    FBox2->setEnabled(!singlePoint);
    FBox1->setFocus();
}

double SetPointsDialog::time1() const {
    return FBox1->value() == FShown1 ? FPrepared1 : FBox1->value();
}

double SetPointsDialog::time2() const {
    return FBox2->value() == FShown2 ? FPrepared2 : FBox2->value();
}
