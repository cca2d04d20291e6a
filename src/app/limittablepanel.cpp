#include "app/limittablepanel.h"

#include "app/limittablewords.h"
#include "app/simulation.h"
#include "app/studytexts.h"
#include "localisation/rivazidad2000.h"
#include "platform/controls/forms.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The model's rows: the sides' names, the intervals, the two tangent rows; the heading and the
// column captions are shown apart.
constexpr int kSidesRow = 0;
constexpr int kFirstTangentRow = 1 + static_cast<int>(LimitTable::kIntervals.size());
constexpr int kCellMargins = 8; // pixels of a cell's width that its text does not get

std::vector<QStringList> bodyRows(const std::vector<QStringList>& cells) {
    std::vector<QStringList> body{cells[kLimitTableHeadRows - 2]};
    body.insert(body.end(), cells.begin() + kLimitTableHeadRows, cells.end());
    return body;
}

// Captions with their unit on a line of its own ("ds/dt\n[km/h]"), so that the columns need no
// more room than their numbers.
QStringList unitsBelow(QStringList captions) {
    for (QString& caption : captions)
        caption.replace(QStringLiteral(" ["), QStringLiteral("\n["));
    return captions;
}

} // namespace

LimitTablePanel::LimitTablePanel(TForm& window, const Simulation& model, const StudyTexts& texts,
                                 std::function<TRivazidad2000*()> dictionary)
    : TPanel(&window, &window), FSimulation(model), FTexts(texts), FDictionary(std::move(dictionary)),
      FHeading(new QLabel(this)), FView(new QTableView(this)), FModel(new QStandardItemModel(this)),
      FCopy(new QPushButton(this)) {
    SetName(QStringLiteral("PanelLimitTable"));
    SetVisible(false);
    FHeading->setWordWrap(true);
    FView->setModel(FModel);
    // Rows one line high, so that all of them show without scrolling beside the chart with the
    // graph shown; the heading shares its line with the button.
    FView->verticalHeader()->hide();
    FView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FView->verticalHeader()->setMinimumSectionSize(FView->fontMetrics().height());
    FView->verticalHeader()->setDefaultSectionSize(FView->fontMetrics().height() + 1);
    FView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* top = new QHBoxLayout;
    top->addWidget(FHeading, 1);
    top->addWidget(FCopy);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addLayout(top);
    layout->addWidget(FView);
    connect(FCopy, &QPushButton::clicked, this, [this] { copyToClipboard(); });
    connect(FView->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { fitTangentRows(); });
}

void LimitTablePanel::setShown(bool shown) {
    if (shown == this->shown()) return;
    if (shown) fill();
    SetVisible(shown);
}

void LimitTablePanel::follow() {
    if (shown()) fill();
}

void LimitTablePanel::hideValues(bool hidden) {
    FValuesHidden = hidden;
    if (shown()) fill();
}

// Without a dictionary (the host has ended the program) the words stay untranslated.
LimitTableWords LimitTablePanel::words() const {
    TRivazidad2000 untranslated{QString()};
    TRivazidad2000* dictionary = FDictionary();
    return limitTableWords(FTexts, dictionary ? *dictionary : untranslated, FSimulation.trip());
}

LimitTable LimitTablePanel::table() const {
    return limitTable(FSimulation.trip(), FSimulation.measurement().T1);
}

QString LimitTablePanel::text() const {
    return limitTableText(table(), words());
}

void LimitTablePanel::copyToClipboard() const {
    QGuiApplication::clipboard()->setText(text());
}

void LimitTablePanel::retranslate() {
    FModel->clear();
    FView->clearSpans();
    if (shown()) fill();
}

// The table's shape never changes: it is laid out on the first fill, and every later fill (each
// move of point 1 while the table shows) only writes the heading's and the cells' texts.
void LimitTablePanel::fill() {
    const std::vector<QStringList> cells = limitTableCells(table(), words());
    const std::vector<QStringList> body = bodyRows(cells);
    const bool first = FModel->rowCount() == 0;
    if (first) layOut(cells[kLimitTableHeadRows - 1], static_cast<int>(body.size()));
    FHeading->setText(cells.front().front());
    for (int row = 0; row < static_cast<int>(body.size()); ++row)
        for (int column = 0; column < kLimitTableColumns; ++column)
            FModel->item(row, column)
                ->setText(FValuesHidden && row != kSidesRow && column > 0 ? QString()
                                                                          : body[row].value(column));
    if (first) fitTangentRows();
}

// The sides' names span their two columns, a tangent row's caption the columns before its value.
void LimitTablePanel::layOut(const QStringList& captions, int rows) {
    FModel->setHorizontalHeaderLabels(unitsBelow(captions));
    FModel->setRowCount(rows);
    FModel->setColumnCount(kLimitTableColumns);
    // The columns of dt and Ds as wide as their texts (Ds may need seven decimals and a sign), the
    // velocities share the rest.
    for (int column : {0, 1, 3})
        FView->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < kLimitTableColumns; ++column) {
            auto* item = new QStandardItem;
            item->setTextAlignment(row == kSidesRow ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            FModel->setItem(row, column, item);
        }
    FView->setSpan(kSidesRow, 1, 1, 2);
    FView->setSpan(kSidesRow, 3, 1, 2);
    for (int row = kFirstTangentRow; row < rows; ++row) {
        FView->setSpan(row, 0, 1, kLimitTableColumns - 1);
        FModel->item(row, 0)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    FView->setAccessibleName(FTexts.LimitTable());
    FCopy->setText(FTexts.CopyTable());
}

// A tangent row's caption, wider than its columns in some languages, wraps onto more lines instead
// of being cut short; one that fits keeps its row as high as the others.
void LimitTablePanel::fitTangentRows() {
    int spanWidth = -kCellMargins;
    for (int column = 0; column < kLimitTableColumns - 1; ++column)
        spanWidth += FView->columnWidth(column);
    const QFontMetrics metrics = FView->fontMetrics();
    const int lineHeight = FView->verticalHeader()->defaultSectionSize();
    for (int row = kFirstTangentRow; row < FModel->rowCount(); ++row) {
        const QString caption = FModel->item(row, 0)->text();
        const int height =
            metrics.boundingRect(QRect(0, 0, spanWidth, 0), Qt::TextWordWrap, caption).height();
        FView->setRowHeight(row, lineHeight + std::max(height - metrics.height(), 0));
    }
}
