#pragma once

#include <QTableWidget>

class QLabel;

// A string grid addressed as (column, row) from 0, whose row 0 and column 0 are
// fixed headers that stay in view and never become current: they are drawn by
// the table's own headers, cell (0, 0) by the corner.
class TStringGrid : public QTableWidget
{
    Q_OBJECT

public:
    explicit TStringGrid(QWidget *parent = nullptr);

    int ColCount() const { return columnCount() + 1; }
    int RowCount() const { return rowCount() + 1; }
    void SetSize(int colCount, int rowCount);

    QString Cell(int c, int r) const;
    void SetCell(int c, int r, const QString &text);

    // The current data cell in grid coordinates, (0, 0) when there is none.
    int Col() const { return currentColumn() + 1; }
    int Row() const { return currentRow() + 1; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void PlaceCorner();
    QLabel *FCorner;
};
