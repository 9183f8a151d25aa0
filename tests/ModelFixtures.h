#pragma once

#include "model/Model.h"
#include "matrix/Conversions.h"

#include <QStringList>

// Gives a relative matrix its cells above the diagonal, row by row
// ("a(0,1) a(0,2) ... a(1,2) ..."); each cell below gets the reciprocal text.
inline void SetUpperRatios(TMatrix &m, const QStringList &upper)
{
    int i = 0;
    for (int r = 0; r < m.Order; ++r)
        for (int c = r + 1; c < m.Order; ++c) {
            const QString text = upper.at(i++);
            const TRatio ratio = ParseRatio(text);
            m.Ratios[size_t(c)][size_t(r)] = text;
            m.Ratios[size_t(r)][size_t(c)] = QStringLiteral("%1:%2").arg(ratio.Denominator).arg(ratio.Numerator);
        }
}

// Adds criteria under parent (which becomes the selected node), each with a
// matrix of the given order and kind.
inline void AddCriteria(TModel &model, TCriterionNode *parent, const QStringList &names, int order = 0,
                        TCriterionKind kind = ckRelative)
{
    model.Tree.Select(parent);
    for (const QString &name : names)
        model.Tree.AddSelectedChild(name, order, kind);
}
