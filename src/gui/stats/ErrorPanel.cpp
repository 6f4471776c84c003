#include "stats/ErrorPanel.h"

#include "stats/ErrorList.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tesmi {

namespace {
constexpr int kWordColumn = 1;
constexpr int kCountColumn = 2;
} // namespace

ErrorPanel::ErrorPanel(QWidget *parent)
    : QFrame(parent), grid_(new QTableWidget(0, 3, this)), frequent_(new QLabel(this)), points_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Panel9"));
    grid_->setObjectName(QStringLiteral("errorgrid"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    frequent_->setObjectName(QStringLiteral("Label44"));
    points_->setObjectName(QStringLiteral("Edit2"));
    auto *hideButton = new QPushButton(QStringLiteral("Скрыть"), this);
    hideButton->setObjectName(QStringLiteral("BitBtn1"));
    connect(hideButton, &QPushButton::clicked, this, &QWidget::hide);
    // A double-click adds an empty row to type a word into.
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] {
        grid_->insertRow(grid_->rowCount());
        emit edited();
    });
    connect(grid_, &QTableWidget::itemChanged, this, &ErrorPanel::edited);
    connect(points_, &QLineEdit::returnPressed, this, [this] {
        emit pointsEntered(points_->text().toLongLong());
        QFrame::hide();
        points_->clear();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frequent_);
    layout->addWidget(grid_);
    layout->addWidget(points_);
    layout->addWidget(hideButton);
    QFrame::hide();
}

void ErrorPanel::showList(const ErrorList &list)
{
    const QSignalBlocker filling(grid_);
    grid_->setRowCount(int(list.entries().size()));
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const ErrorEntry &entry = list.entries()[row];
        grid_->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
        grid_->setItem(row, kWordColumn, new QTableWidgetItem(entry.word));
        grid_->setItem(row, kCountColumn, new QTableWidgetItem(QString::number(entry.count)));
    }
    grid_->resizeColumnsToContents();
    for (int column = 0; column < grid_->columnCount(); ++column)
        grid_->setColumnWidth(column, grid_->columnWidth(column) + 5);
    const int rowHeight = grid_->verticalHeader()->defaultSectionSize();
    grid_->setFixedHeight(std::min(rowHeight * grid_->rowCount() + 5, 400));
    showFrequentCount(list.frequentCount());
    show();
    raise();
}

void ErrorPanel::applyEdits(ErrorList &list) const
{
    QList<ErrorEntry> entries;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const QTableWidgetItem *word = grid_->item(row, kWordColumn);
        const QTableWidgetItem *count = grid_->item(row, kCountColumn);
        entries.append({word ? word->text() : QString(), count ? count->text().toInt() : 0});
    }
    list.entries() = entries;
}

void ErrorPanel::showFrequentCount(int count)
{
    frequent_->setNum(count);
}

} // namespace tesmi
