#pragma once

#include "model/Model.h"

#include <QString>

#include <map>
#include <optional>
#include <set>
#include <utility>

// What the comparison grid shows for one criterion, in grid coordinates
// (column, row) counted from 0: row 0 and column 0 are the headers, cell (0, 0)
// names the criterion.
class TGridContent
{
public:
    int ColCount = 2;
    int RowCount = 2;
    QString TreeTooltip;

    QString Cell(int c, int r) const;
    void SetCell(int c, int r, const QString &text) { FCells[{c, r}] = text; }
    // A blank pair's cell: it shows the completed value, not a judgement.
    bool IsBlank(int c, int r) const { return FBlank.count({c, r}) > 0; }
    static QString BlankTooltip();

    // Fills the grid for node (or the selected node), its matrix as the dimension
    // rule makes it; the model is only read. Nothing to show without a node: the
    // tooltip alone is returned.
    // With a participant (from 0), a matrix the group judges shows their judgements.
    static TGridContent Fill(const TModel &model, const TCriterionNode *node, bool *shown = nullptr,
                             int participant = -1);

    // Header texts of the absolute kinds and the tree tooltip's kind texts.
    static QString AbsoluteHeading(TCriterionKind kind);
    static QString KindTooltip(TCriterionKind kind);

private:
    void ShowCompletion(const TMatrix &m);
    std::map<std::pair<int, int>, QString> FCells;
    std::set<std::pair<int, int>> FBlank;
};
