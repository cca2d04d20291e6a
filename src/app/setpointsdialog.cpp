#include "app/setpointsdialog.h"

#include "app/studytexts.h"
#include "app/trip.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {

// What a window manager's title bar takes beside the title: icon, buttons and margins.
constexpr int kTitleBarReserve = 140; // pixels

// Wide enough that the title bar shows the whole title, in a bold font as most title bars use.
int widthForTitle(const QWidget& dialog, const QString& title) {
    QFont bold = dialog.font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + kTitleBarReserve;
}

// The time as the box shows it when the dialog opens.
QString shownTime(double t) {
    return QString::number(t, 'f', 1);
}

} // namespace

std::optional<double> typedTime(const QString& text, TripSpan span) {
    QString number = text.trimmed();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double t = QLocale::c().toDouble(number, &ok);
    if (!ok || !span.contains(t)) return std::nullopt;
    return t;
}

SetPointsDialog::SetPointsDialog(QWidget* parent, const StudyTexts& texts)
    : QDialog(parent), FTexts(texts), FBox1(new QLineEdit(this)), FBox2(new QLineEdit(this)),
      FMessage(new QLabel(this)) {
    QString title = texts.SetPoints();
    if (title.endsWith(QStringLiteral("..."))) title.chop(3);
    setWindowTitle(title);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(texts.Ok());
    buttons->button(QDialogButtonBox::Cancel)->setText(texts.Cancel());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FMessage->setWordWrap(true);
    FMessage->hide();
    auto* form = new QFormLayout(this); // each caption a label with its box as buddy
    form->addRow(texts.PointOneMinutes(), FBox1);
    form->addRow(texts.PointTwoMinutes(), FBox2);
    form->addRow(FMessage);
    form->addRow(buttons);
    setMinimumWidth(widthForTitle(*this, title));
}

void SetPointsDialog::prepare(double t1, double t2, bool singlePoint, TripSpan span) {
    FSpan = span;
    FBox1->setText(shownTime(t1));
    FBox2->setText(shownTime(t2));
    FPrepared1 = t1;
    FPrepared2 = t2;
    FBox2->setEnabled(!singlePoint);
    FMessage->hide();
    FBox1->setFocus();
    FBox1->selectAll();
}

double SetPointsDialog::timeIn(const QLineEdit& box, double prepared) const {
    return box.text() == shownTime(prepared) ? prepared : typedTime(box.text(), FSpan).value_or(prepared);
}

double SetPointsDialog::time1() const {
    return timeIn(*FBox1, FPrepared1);
}

double SetPointsDialog::time2() const {
    return timeIn(*FBox2, FPrepared2);
}

void SetPointsDialog::accept() {
    for (QLineEdit* box : {FBox1, FBox2})
        if (box->isEnabled() && !typedTime(box->text(), FSpan)) {
            FMessage->setText(FTexts.TimeRange().arg(FSpan.Start).arg(FSpan.End));
            FMessage->show();
            box->setFocus();
            box->selectAll();
            return;
        }
    QDialog::accept();
}
