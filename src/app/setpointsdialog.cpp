#include "app/setpointsdialog.h"

#include "app/studytexts.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr double kStep = 0.1; // min

QDoubleSpinBox* minutesBox(QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setDecimals(1);
    box->setSingleStep(kStep);
    return box;
}

} // namespace

SetPointsDialog::SetPointsDialog(QWidget* parent, const StudyTexts& texts)
    : QDialog(parent), FTexts(texts), FBox1(minutesBox(this)), FBox2(minutesBox(this)),
      FButtons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    auto* form = new QFormLayout(this);
    form->addRow(new QLabel(this), FBox1);
    form->addRow(new QLabel(this), FBox2);
    connect(FButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(FButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(FButtons);
}

void SetPointsDialog::prepare(double axisStart, double axisEnd, double t1, double t2, bool singlePoint) {
    QString title = FTexts.SetPoints();
    if (title.endsWith(QStringLiteral("..."))) title.chop(3);
    setWindowTitle(title);
    auto* form = static_cast<QFormLayout*>(layout());
    const std::pair<QDoubleSpinBox*, QString> rows[] = {{FBox1, FTexts.PointOneMinutes()},
                                                        {FBox2, FTexts.PointTwoMinutes()}};
    for (const auto& [box, caption] : rows) {
        auto* label = static_cast<QLabel*>(form->labelForField(box));
        label->setText(caption);
        label->setBuddy(box);
        box->setRange(axisStart, axisEnd);
    }
    FButtons->button(QDialogButtonBox::Ok)->setText(FTexts.Ok());
    FButtons->button(QDialogButtonBox::Cancel)->setText(FTexts.Cancel());
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
