#include "app/limittablepanel.h"

#include "app/mainfrm.h"
#include "app/studytexts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

LimitTablePanel::LimitTablePanel(TForm1& form, const StudyTexts& texts)
    : TPanel(&form, &form), FTexts(texts), FView(new QTableView(this)),
      FModel(new QStandardItemModel(this)), FCopy(new QPushButton(this)) {
    SetName(QStringLiteral("PanelLimitTable"));
    SetVisible(false);
    FView->setModel(FModel);
    // Rows one line high, so that all ten show without scrolling.
    FView->verticalHeader()->hide();
    FView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FView->verticalHeader()->setDefaultSectionSize(FView->fontMetrics().height() + 4);
    FView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4); // room for every row beside the chart with the graph shown
    layout->addWidget(FView);
    layout->addWidget(FCopy);
    connect(FCopy, &QPushButton::clicked, this, [this] { copyToClipboard(); });
    connect(FView->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { fitTangentRows(); });
}

void LimitTablePanel::setShown(bool shown) {
    if (shown == this->shown()) return;
    if (shown) fill();
    SetVisible(shown);
}

void LimitTablePanel::follow(int profile, double t1) {
    FProfile = profile;
    FTime1 = t1;
    if (shown()) fill();
}

void LimitTablePanel::hideValues(bool hidden) {
    FValuesHidden = hidden;
    if (shown()) fill();
}

LimitTableCaptions LimitTablePanel::captions() const {
    return {FTexts.TableDt(), FTexts.TableDs(), FTexts.TableVelocity(), FTexts.CentralSecant(),
            FTexts.ExactTangent()};
}

QString LimitTablePanel::text() const {
    return limitTableText(limitTable(FProfile, FTime1), captions());
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
// move of point 1 while the table shows) only writes the cells' texts.
void LimitTablePanel::fill() {
    const std::vector<QStringList> cells = limitTableCells(limitTable(FProfile, FTime1), captions());
    if (FModel->rowCount() == 0) layOut(cells);
    for (int row = 1; row < static_cast<int>(cells.size()); ++row)
        for (int column = 0; column < cells[row].size(); ++column)
            FModel->item(row - 1, column)
                ->setText(FValuesHidden && column > 0 ? QString() : cells[row][column]);
}

// The header row becomes the column titles; a tangent row's caption spans the first two columns.
void LimitTablePanel::layOut(const std::vector<QStringList>& cells) {
    FModel->setHorizontalHeaderLabels(cells.front());
    FModel->setRowCount(static_cast<int>(cells.size()) - 1);
    FModel->setColumnCount(static_cast<int>(cells.front().size()));
    for (int row = 1; row < static_cast<int>(cells.size()); ++row)
        for (int column = 0; column < cells[row].size(); ++column) {
            auto* item = new QStandardItem(cells[row][column]);
            item->setTextAlignment(column == 0 && row > static_cast<int>(LimitTable::kIntervals.size())
                                       ? Qt::AlignLeft | Qt::AlignVCenter
                                       : Qt::AlignRight | Qt::AlignVCenter);
            FModel->setItem(row - 1, column, item);
        }
    for (int row = static_cast<int>(LimitTable::kIntervals.size()); row < FModel->rowCount(); ++row)
        FView->setSpan(row, 0, 1, 2);
    fitTangentRows();
    FView->setAccessibleName(FTexts.LimitTable());
    FCopy->setText(FTexts.CopyTable());
}

// A tangent row's caption, wider than its two columns in some languages, wraps onto a second line
// instead of being cut short.
void LimitTablePanel::fitTangentRows() {
    for (int row = static_cast<int>(LimitTable::kIntervals.size()); row < FModel->rowCount(); ++row)
        FView->resizeRowToContents(row);
}
