#pragma once

#include "model/Model.h"

#include <QString>

#include <map>
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

    // How a data cell's text came about, so that the grid shows it apart from
    // what the user typed or chose.
    enum class TLook {
        Judged,      // the user's own text
        Completed,   // a blank pair: its completed value, not a judgement
        Group,       // a group's matrix in "Skupina": the aggregate of the participants, read-only
        Untyped      // a measured value not typed yet (a new solution's placeholder)
    };

    QString Cell(int c, int r) const;
    void SetCell(int c, int r, const QString &text) { FCells[{c, r}] = text; }
    TLook Look(int c, int r) const;
    bool IsBlank(int c, int r) const { return Look(c, r) == TLook::Completed; }
    // What a cell of that look says when the mouse rests on it ("" for Judged).
    static QString LookTooltip(TLook look);

    // Fills the grid for node (or the selected node), its matrix as the dimension
    // rule makes it; the model is only read. Nothing to show without a node: the
    // tooltip alone is returned.
    // With a participant (from 0), a matrix the group judges shows their judgements.
    static TGridContent Fill(const TModel &model, const TCriterionNode *node, bool *shown = nullptr,
                             int participant = -1);

    // Header texts of the absolute kinds and the tree tooltip's kind texts.
    static QString AbsoluteHeading(TCriterionKind kind);
    static QString KindTooltip(TCriterionKind kind);

    // A group's value a(r, c) as a reader takes it: "3:1", "1:1,73", "1".
    static QString GroupText(double value);

private:
    void ShowCompletion(const TMatrix &m);
    void ShowGroup(const TModel &model, const TMatrix &m);
    std::map<std::pair<int, int>, QString> FCells;
    std::map<std::pair<int, int>, TLook> FLooks;
};
