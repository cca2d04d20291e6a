#include "app/chartaccess.h"

#include "app/accessibleface.h"
#include "app/accesstexts.h"
#include "app/mainfrm.h"
#include "chart/rchart.h"
#include "platform/controls/stdctrls.h"
#include "scales/labeltext.h"
#include "widgets/rasterlab.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QRegularExpression>

namespace {

// The read-outs run number and unit together ("70.6km/h"); spoken, the unit stands apart.
QString spokenReadout(const QString& text) {
    static const QRegularExpression digitThenLetter(QStringLiteral("(\\d)([^\\d\\s.,+-])"));
    return QString(text).replace(digitThenLetter, QStringLiteral("\\1 \\2"));
}

QString pointText(const QString& pattern, double t, double s) {
    return pattern.arg(FormatFloatField(1, 1, t), FormatFloatField(1, 1, s));
}

} // namespace

ChartAccess::ChartAccess(TForm1& form, const AccessTexts& texts)
    : FForm(form), FTexts(texts), FTicker(std::make_unique<TimerTicker>()) {
    TRChart* chart = FForm.RC1;
    // Tab and a click both give the chart the focus, as a slider takes it: drag, then fine-tune
    // with the keys.
    chart->setFocusPolicy(Qt::StrongFocus);
    chart->SetOnKeyDown([this](QObject*, int& key, TShiftState shift) { keyDown(key, shift); });
    chart->SetOnMouseDown([this](QObject*, TMouseButton button, TShiftState, int x, int y) {
        if (button == TMouseButton::mbLeft) pickPoint(QPoint(x, y));
    });
    chart->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(chart, &QWidget::customContextMenuRequested, this,
            [this, chart](QPoint pos) { showMenu(chart->mapToGlobal(pos)); });
    buildMenu();
    describeToAssistiveTechnology();
}

ChartAccess::~ChartAccess() {
    stopGlide();
}

bool ChartAccess::singlePoint() const {
    return FForm.CBox1Point->Checked();
}

int ChartAccess::activePoint() const {
    return singlePoint() ? 1 : FActivePoint;
}

double ChartAccess::axisStart() const {
    return FForm.RC1->Scale1X()->RangeLow();
}

double ChartAccess::axisEnd() const {
    return FForm.RC1->Scale1X()->RangeHigh();
}

std::array<TRasterLab*, 3> ChartAccess::readouts() const {
    return {FForm.RLabSpeed, FForm.RLabDS, FForm.RLabDT};
}

void ChartAccess::describeToAssistiveTechnology() {
    const std::array<TLabel*, 3> captions{FForm.Label1, FForm.LblDS, FForm.LblDT};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        TLabel* caption = captions[i];
        TRasterLab* readout = readouts()[i];
        setAccessibleFace(readout, {QAccessible::StaticText,
                                    [caption] { return caption->Caption(); },
                                    [readout] { return spokenReadout(readout->Text()); },
                                    {}});
    }
    setAccessibleFace(FForm.RC1, {QAccessible::Graphic,
                                  [this] { return FTexts.ChartName(); },
                                  {},
                                  [this] { return chartDescription(); }});
    // The profile box has no caption of its own to be named by.
    if (auto* box = FForm.CBoxMode->findChild<QComboBox*>()) box->setAccessibleName(FTexts.ProfileBoxName());
}

QString ChartAccess::chartDescription() const {
    QString text = FForm.CBoxMode->Text() + QStringLiteral(". ") +
                   pointText(FTexts.PointOne(), FForm.Time1(), FForm.Dist1());
    if (!singlePoint())
        text += QStringLiteral("; ") + pointText(FTexts.PointTwo(), FForm.Time2(), FForm.Dist2());
    return text;
}

// A press on the chart makes the point nearer to it the one the keys move, as a drag would.
void ChartAccess::pickPoint(QPoint pixel) {
    double t = 0;
    double s = 0;
    FForm.RC1->PixelToData(1, pixel.x(), pixel.y(), t, s);
    if (t < axisStart() || t > axisEnd()) return;
    FActivePoint = FForm.NearerPoint(t);
    displayUpdated();
}

void ChartAccess::displayUpdated() {
    const bool first = activePoint() == 1;
    FForm.RC1->SetFocusPoint(first ? FForm.Time1() : FForm.Time2(), first ? FForm.Dist1() : FForm.Dist2());
    announceChanges();
}

void ChartAccess::announceChanges() {
    for (std::size_t i = 0; i < readouts().size(); ++i) {
        TRasterLab* readout = readouts()[i];
        if (readout->Text() == FAnnouncedReadouts[i]) continue;
        FAnnouncedReadouts[i] = readout->Text();
        if (readout->Visible()) announceValueChange(readout);
    }
    const QString description = chartDescription();
    if (description == FAnnouncedDescription) return;
    FAnnouncedDescription = description;
    announceDescriptionChange(FForm.RC1);
}
