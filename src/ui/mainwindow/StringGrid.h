#pragma once

#include <QTableWidget>

#include <utility>
#include <vector>

class QLabel;
class TGridContent;
class TGridEditDelegate;

// A string grid addressed as (column, row) from 0, whose row 0 and column 0 are
// fixed headers that stay in view and never become current: they are drawn by
// the table's own headers, cell (0, 0) by the corner.
class TStringGrid : public QTableWidget
{
    Q_OBJECT

public:
    explicit TStringGrid(QWidget *parent = nullptr);
    ~TStringGrid() override;

    int ColCount() const { return columnCount() + 1; }
    int RowCount() const { return rowCount() + 1; }
    void SetSize(int colCount, int rowCount);

    QString Cell(int c, int r) const;
    // Shows what the core says the grid holds; the current data cell stays where
    // it was while it still exists. No cell signals are sent.
    void Show(const TGridContent &grid);
    void SetCell(int c, int r, const QString &text);

    // The current data cell in grid coordinates, (0, 0) when there is none.
    int Col() const { return currentColumn() + 1; }
    int Row() const { return currentRow() + 1; }

    // Typing into the cells: off except while an absolute value is the current cell.
    void SetTyping(bool on);
    bool Typing() const { return FTyping; }
    // Sets a cell and, when its editor is open, the editor's text too.
    void SetCellAndEditor(int c, int r, const QString &text);
    // Marks data cells (column, row in grid coordinates); an empty list clears the marks.
    void MarkCells(const std::vector<std::pair<int, int>> &cells);
    // A short note beside a data cell (why a typed character was undone).
    void ShowHint(int c, int r, const QString &text);

signals:
    // Delete on the current cell while nothing is being typed.
    void DeletePressed();
    // A click on a cell, or the keyboard moved the current cell.
    void CellSelected();
    // A double-click anywhere in the grid, or Enter or F2 on a cell that takes no typing.
    void DblClick();
    // The editor's text changed (the cell already holds it), or the editor closed (final).
    void EditText(int c, int r, const QString &text, bool final);
    // The editor closed, also without its text taken (Escape).
    void EditorClosed();
    // The keyboard focus left the grid and its editor.
    void Exited();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void PlaceCorner();
    void ElideHeaders();
    void FocusChanged(QWidget *old, QWidget *now);
    QLabel *FCorner;
    TGridEditDelegate *FDelegate;
    bool FTyping = false;
};
