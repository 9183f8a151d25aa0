#include "GeneratedModel.h"

namespace {

void Judge(TMatrix &m, int offset)
{
    for (int r = 0; r < m.Order; ++r)
        for (int c = r + 1; c < m.Order; ++c) {
            const int term = 1 + (r * 5 + c * 3 + offset) % 9;
            m.Ratios[c][r] = QStringLiteral("%1:1").arg(term);
            m.Ratios[r][c] = QStringLiteral("1:%1").arg(term);
        }
}

} // namespace

void BuildGeneratedModel(TModel &model, int solutions)
{
    model.Reset();
    for (int i = 0; i < solutions; ++i)
        model.AddSolution(QStringLiteral("Rešitev %1").arg(i + 1));
    TCriterionNode *root = model.Tree.FirstNode();
    root->Name = QStringLiteral("Generiran model");
    for (int g = 0; g < 8; ++g) {
        model.Tree.Select(root);
        TCriterionNode *group = model.Tree.AddSelectedChild(QStringLiteral("Skupina %1").arg(g + 1), 0, ckRelative);
        model.Tree.Select(group);
        for (int l = 0; l < 8; ++l) {
            const auto kind = l % 2 ? ckLessIsBetter : ckMoreIsBetter;
            TCriterionNode *leaf = model.Tree.AddSelectedChild(QStringLiteral("Merilo %1.%2").arg(g + 1).arg(l + 1),
                                                              solutions, kind);
            for (int s = 0; s < solutions; ++s)
                leaf->Matrix->AbsoluteValues[size_t(s)] = QString::number(1 + (s * 37 + l * 11 + g) % 97);
        }
        model.FitNodeMatrix(group);
        Judge(*group->Matrix, g);
    }
    model.FitNodeMatrix(root);
    Judge(*root->Matrix, 8);
    model.Tree.Select(root);
}

void BuildRatedModel(TModel &model, int solutions)
{
    BuildGeneratedModel(model, solutions);
    for (TCriterionNode *node : model.Tree.Nodes()) {
        if (node->HasChildren())
            continue;
        node->Matrix = DefaultRatingScale(solutions);
        for (int s = 0; s < solutions; ++s)
            node->Matrix->Scale->Ratings[size_t(s)] = (s * 37 + node->Depth() * 11 + int(node->Name.size())) % 6 - 1;
    }
}
