#include "ui/mainwindow/StringGrid.h"

#include "model/GridContent.h"
#include "ui/mainwindow/GridEditDelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolTip>
#include <QStyle>
#include <QFontMetrics>

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
    // A long item name must not push every cell out of view: cut with "…", whole in the tooltip.
    verticalHeader()->setMaximumWidth(150);
    verticalHeader()->setTextElideMode(Qt::ElideRight);
    horizontalHeader()->setTextElideMode(Qt::ElideRight);
    horizontalHeader()->setMinimumHeight(25);
    setCornerButtonEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    FCorner = new QLabel(this);
    FCorner->setObjectName(QStringLiteral("Corner"));
    FCorner->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);   // a long name shows its start
    FCorner->setIndent(4);
    FCorner->setTextFormat(Qt::PlainText);
    FDelegate = new TGridEditDelegate(this);
    setItemDelegate(FDelegate);
    connect(FDelegate, &TGridEditDelegate::TextEdited, this, [this](const QModelIndex &index, const QString &text, bool final) {
        if (QTableWidgetItem *cell = item(index.row(), index.column()))
            cell->setText(text);
        emit EditText(index.column() + 1, index.row() + 1, text, final);
    });
    connect(FDelegate, &TGridEditDelegate::EditorGone, this, &TStringGrid::EditorClosed);
    connect(this, &QTableWidget::cellClicked, this, &TStringGrid::CellSelected);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row >= 0 && column >= 0)
            emit CellSelected();
    });
    connect(horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, &TStringGrid::DblClick);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { ElideHeaders(); });
    connect(verticalHeader(), &QHeaderView::sectionDoubleClicked, this, &TStringGrid::DblClick);
    connect(qApp, &QApplication::focusChanged, this, &TStringGrid::FocusChanged);
    SetSize(6, 5);
}

TStringGrid::~TStringGrid()
{
    // An open editor and the delegate go with the table's children, after this
    // part of the grid is gone: what they (or the focus they hand on) send then
    // must not reach it.
    disconnect(FDelegate, nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
}

void TStringGrid::SetTyping(bool on)
{
    FTyping = on;
    setEditTriggers(on ? QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::SelectedClicked
                       : QAbstractItemView::NoEditTriggers);
}

void TStringGrid::SetCellAndEditor(int c, int r, const QString &text)
{
    SetCell(c, r, text);
    if (state() == QAbstractItemView::EditingState && currentColumn() == c - 1 && currentRow() == r - 1)
        if (QLineEdit *editor = FDelegate->Editor())
            editor->setText(text);
}

void TStringGrid::MarkCells(const std::vector<std::pair<int, int>> &cells)
{
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem *cell = item(r, c))
                cell->setBackground(QBrush());
    for (const auto &[c, r] : cells)
        if (QTableWidgetItem *cell = item(r - 1, c - 1))
            cell->setBackground(QColor(255, 230, 150));
}

void TStringGrid::ShowHint(int c, int r, const QString &text)
{
    const QRect cell = visualRect(model()->index(r - 1, c - 1));
    QToolTip::showText(viewport()->mapToGlobal(cell.bottomLeft()), text, viewport(), cell, 5000);
}

void TStringGrid::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (state() != QAbstractItemView::EditingState && !FTyping
        && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2)) {
        emit DblClick();
        return;
    }
    if (state() != QAbstractItemView::EditingState && !FTyping && key == Qt::Key_Delete) {
        emit DeletePressed();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableWidget::mouseDoubleClickEvent(event);
    emit DblClick();
}

void TStringGrid::FocusChanged(QWidget *old, QWidget *now)
{
    auto inside = [this](QWidget *w) { return w && (w == this || isAncestorOf(w)); };
    if (inside(old) && !inside(now))
        emit Exited();
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

namespace {

const int WholeText = Qt::UserRole + 1;   // a header's whole text; it shows cut with "…"

QString Elided(const QFontMetrics &metrics, const QString &text, int width)
{
    return metrics.elidedText(text, Qt::ElideRight, std::max(width, 0));
}

} // namespace

// Column headings and the corner are cut at the end with "…", never in the middle
// of a word or a letter; the whole text is in the tooltip. (The row headings get
// their room from the header itself, up to 150 px, and elide there.)
void TStringGrid::ElideHeaders()
{
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + 2;
    const QFontMetrics metrics(horizontalHeader()->font());
    for (int c = 0; c < columnCount(); ++c)
        if (QTableWidgetItem *item = horizontalHeaderItem(c))
            item->setText(Elided(metrics, item->data(WholeText).toString(), horizontalHeader()->sectionSize(c) - margin));
    FCorner->setText(Elided(FCorner->fontMetrics(), FCorner->toolTip(), verticalHeader()->width() - FCorner->indent() - 4));
}

QString TStringGrid::Cell(int c, int r) const
{
    if (c == 0 && r == 0)
        return FCorner->toolTip();
    const QTableWidgetItem *item = nullptr;
    if (r == 0)
        item = horizontalHeaderItem(c - 1);
    else if (c == 0)
        item = verticalHeaderItem(r - 1);
    else
        return (item = this->item(r - 1, c - 1)) ? item->text() : QString();
    return item ? item->data(WholeText).toString() : QString();
}

void TStringGrid::Show(const TGridContent &grid)
{
    const int col = std::max(Col(), 1);
    const int row = std::max(Row(), 1);
    blockSignals(true);
    SetSize(grid.ColCount, grid.RowCount);
    for (int c = 0; c < grid.ColCount; ++c)
        for (int r = 0; r < grid.RowCount; ++r) {
            SetCell(c, r, grid.Cell(c, r));
            if (QTableWidgetItem *cell = c > 0 && r > 0 ? item(r - 1, c - 1) : nullptr) {
                // What the user did not judge or type is shown apart from what they did.
                const TGridContent::TLook look = grid.Look(c, r);
                const bool apart = look == TGridContent::TLook::Completed || look == TGridContent::TLook::Untyped;
                QFont font = this->font();
                font.setItalic(apart);
                cell->setFont(font);
                cell->setForeground(apart ? QBrush(Qt::gray)
                                          : look == TGridContent::TLook::Group ? QBrush(QColor(0, 70, 140)) : QBrush());
                const QString tip = TGridContent::LookTooltip(look);
                cell->setData(Qt::ToolTipRole, tip.isEmpty() ? QVariant() : QVariant(tip));
            }
        }
    setCurrentCell(std::min(row, grid.RowCount - 1) - 1, std::min(col, grid.ColCount - 1) - 1);
    blockSignals(false);
    PlaceCorner();
}

void TStringGrid::SetCell(int c, int r, const QString &text)
{
    if (c == 0 && r == 0) {
        FCorner->setText(text);
        FCorner->setToolTip(text);
        return;
    }
    auto header = [&text] {
        auto *item = new QTableWidgetItem(text);
        item->setData(WholeText, text);
        item->setToolTip(text);
        return item;
    };
    if (r == 0) {
        if (c - 1 < columnCount())
            setHorizontalHeaderItem(c - 1, header());
    } else if (c == 0) {
        if (r - 1 < rowCount())
            setVerticalHeaderItem(r - 1, header());
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
    ElideHeaders();
}
