#pragma once

#include <QWidget>

#include <vector>

class QLabel;
class QMenu;
class QProgressBar;
class TModel;

// Panel2, the results panel: one row per solution (name, score, bar) and, while
// the selected criterion has children, one bar per child. It shows the model; the
// row controls are the only thing it keeps.
class TResultsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TResultsPanel(QWidget *parent = nullptr);

    // Many solutions would push the tree and grid out of the window: the panel goes
    // into a frameless area that scrolls it (the window gives that at most half).
    class QScrollArea *InScrollArea(QWidget *parent);

    // The height of every bar: the default height of a progress bar.
    int RowHeight() const;
    // The pop-up menu of the rows (popup_resitve); the panel itself has none.
    void SetRowMenu(QMenu *menu) { FRowMenu = menu; }

    // Creates or releases rows at the end so there is one per solution; refreshes
    // names and the bold mark. A new row is placed at the left edge.
    void SyncRows(const TModel &model);
    // The layout steps of the synthesis: sub-criterion bars, row placement, values
    // and bar positions. Returns the height the panel needs.
    int Layout(const TModel &model);

    int RowCount() const { return int(FRows.size()); }
    int SubcriterionBarCount() const { return int(FBars.size()); }
    QLabel *NameLabel(int row) const { return FRows.at(size_t(row)).NameLabel; }
    QLabel *ValueLabel(int row) const { return FRows.at(size_t(row)).ValueLabel; }
    QProgressBar *Bar(int row) const { return FRows.at(size_t(row)).Bar; }
    // A group's model: the solution's rank by each participant alone ("1 · 3 · 2").
    QLabel *RanksLabel(int row) const { return FRows.at(size_t(row)).RanksLabel; }
    QLabel *SubcriterionName(int i) const { return FBars.at(size_t(i)).NameLabel; }
    QLabel *SubcriterionValue(int i) const { return FBars.at(size_t(i)).ValueLabel; }
    QProgressBar *SubcriterionBar(int i) const { return FBars.at(size_t(i)).Bar; }

signals:
    // A left click on a row's name or value label (OznaciResitevKlik).
    void RowClicked(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TRowControls
    {
        QLabel *NameLabel = nullptr;
        QLabel *ValueLabel = nullptr;
        QProgressBar *Bar = nullptr;
        QLabel *RanksLabel = nullptr;
    };

    TRowControls MakeRow(int index, bool solutionRow);
    static void Release(TRowControls &row);
    void ShowRowMenu(const QPoint &globalPos);

    std::vector<TRowControls> FRows;
    std::vector<TRowControls> FBars;
    QMenu *FRowMenu = nullptr;
};
