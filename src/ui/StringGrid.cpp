#include "StringGrid.h"

#include <QHeaderView>
#include <QLabel>

TStringGrid::TStringGrid(QWidget *parent)
    : QTableWidget(parent)
{
    horizontalHeader()->setDefaultSectionSize(70);
    horizontalHeader()->setMinimumSectionSize(10);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(25);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setMinimumWidth(70);
    horizontalHeader()->setMinimumHeight(25);
    setCornerButtonEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    FCorner = new QLabel(this);
    FCorner->setObjectName(QStringLiteral("Corner"));
    FCorner->setAlignment(Qt::AlignCenter);
    FCorner->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetSize(6, 5);
}

void TStringGrid::SetSize(int colCount, int rowCount)
{
    setColumnCount(std::max(colCount, 2) - 1);
    setRowCount(std::max(rowCount, 2) - 1);
    for (int c = 0; c < columnCount(); ++c)
        if (!horizontalHeaderItem(c))
            setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));
    for (int r = 0; r < this->rowCount(); ++r)
        if (!verticalHeaderItem(r))
            setVerticalHeaderItem(r, new QTableWidgetItem(QString()));
    PlaceCorner();
}

QString TStringGrid::Cell(int c, int r) const
{
    if (c == 0 && r == 0)
        return FCorner->text();
    const QTableWidgetItem *item = nullptr;
    if (r == 0)
        item = horizontalHeaderItem(c - 1);
    else if (c == 0)
        item = verticalHeaderItem(r - 1);
    else
        item = this->item(r - 1, c - 1);
    return item ? item->text() : QString();
}

void TStringGrid::SetCell(int c, int r, const QString &text)
{
    if (c == 0 && r == 0) {
        FCorner->setText(text);
        return;
    }
    if (r == 0) {
        if (c - 1 < columnCount())
            setHorizontalHeaderItem(c - 1, new QTableWidgetItem(text));
    } else if (c == 0) {
        if (r - 1 < rowCount())
            setVerticalHeaderItem(r - 1, new QTableWidgetItem(text));
    } else if (c - 1 < columnCount() && r - 1 < rowCount()) {
        if (QTableWidgetItem *existing = item(r - 1, c - 1))
            existing->setText(text);
        else
            setItem(r - 1, c - 1, new QTableWidgetItem(text));
    }
}

void TStringGrid::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    PlaceCorner();
}

void TStringGrid::PlaceCorner()
{
    FCorner->setGeometry(frameWidth(), frameWidth(), verticalHeader()->width(), horizontalHeader()->height());
    FCorner->raise();
}
