#include "model/Model.h"

#include <QCoreApplication>

#include "matrix/KalvoError.h"
#include "model/NodePath.h"

TModel::TModel()
{
    Reset();
}

int TModel::ItemCount(const TCriterionNode *node) const
{
    if (node->HasChildren())
        return node->ChildCount();
    if (node->Matrix && node->Matrix->IsRatings())
        return int(node->Matrix->Scale->Intensities.size());
    return SolutionCount();
}

QStringList TModel::ItemNames(const TCriterionNode *node) const
{
    QStringList names;
    if (node->HasChildren()) {
        for (int i = 0; i < node->ChildCount(); ++i)
            names << node->Child(i)->Name;
    } else if (node->Matrix && node->Matrix->IsRatings()) {
        for (const QString &intensity : node->Matrix->Scale->Intensities)
            names << intensity;
    } else {
        for (const TSolution &solution : Solutions)
            names << solution.Name;
    }
    return names;
}

void TModel::FitNodeMatrix(TCriterionNode *node)
{
    if (!node)
        return;
    const int n = ItemCount(node);
    WithContext([node] { return CriterionPlace(node); }, [&] {
        if (node->Matrix)
            node->Matrix->SetOrder(n);
        else
            node->Matrix = std::make_unique<TMatrix>(n, ckRelative);
        // A ratings leaf rates every solution: a new one is not rated yet.
        if (node->Matrix->IsRatings() && !node->HasChildren())
            node->Matrix->Scale->Ratings.resize(Solutions.size(), -1);
    });
}

const TMatrix &TModel::FittedMatrix(const TCriterionNode *node, std::unique_ptr<TMatrix> &scratch) const
{
    const int n = ItemCount(node);
    if (node->Matrix && node->Matrix->Order == n)
        return *node->Matrix;
    WithContext([node] { return CriterionPlace(node); }, [&] {
        scratch = node->Matrix ? std::make_unique<TMatrix>(*node->Matrix) : std::make_unique<TMatrix>(n, ckRelative);
        scratch->SetOrder(n);
    });
    return *scratch;
}

void TModel::FitLeafMatrices()
{
    for (TCriterionNode *node : Tree.Nodes())
        if (!node->HasChildren() && node->Matrix)
            FitNodeMatrix(node);
}

void TModel::AddSolution(const QString &name)
{
    if (SolutionCount() + 1 > MaxRelativeOrder)
        for (TCriterionNode *node : Tree.Nodes())
            if (!node->HasChildren() && node->Matrix && node->Matrix->Kind == ckRelative && !node->Matrix->IsRatings())
                throw EKalvoError(EKalvoError::ekTooLarge, TooLargeMessage(SolutionCount() + 1))
                    .AddContext(CriterionPlace(node));
    TSolution solution;
    solution.Name = name;
    Solutions.push_back(solution);
    MarkSolution(SolutionCount() - 1);
}

void TModel::MarkSolution(int index)
{
    MarkedSolution = index;
}

std::unique_ptr<TMatrix> DefaultRatingScale(int solutions)
{
    static const char *const names[] = {QT_TRANSLATE_NOOP("Kalvo", "Odlično"), QT_TRANSLATE_NOOP("Kalvo", "Zelo dobro"),
                                        QT_TRANSLATE_NOOP("Kalvo", "Dobro"), QT_TRANSLATE_NOOP("Kalvo", "Zadovoljivo"),
                                        QT_TRANSLATE_NOOP("Kalvo", "Slabo")};
    auto m = std::make_unique<TMatrix>(5, ckRelative);
    m->Scale = TRatingScale();
    for (const char *name : names)
        m->Scale->Intensities.push_back(QCoreApplication::translate("Kalvo", name));
    m->Scale->Ratings.assign(size_t(solutions), -1);
    // Each step down is worth about half as much again: a(r, c) = c - r + 1.
    for (int r = 0; r < 5; ++r)
        for (int c = r + 1; c < 5; ++c) {
            m->Ratios[size_t(c)][size_t(r)] = QStringLiteral("%1:1").arg(c - r + 1);
            m->Ratios[size_t(r)][size_t(c)] = QStringLiteral("1:%1").arg(c - r + 1);
        }
    return m;
}

void TModel::EditCriterion(TCriterionNode *node, const QString &name, TCriterionKind kind, bool ratings)
{
    if (!node)
        return;
    FitNodeMatrix(node);
    node->Name = name;
    if (ratings && !node->HasChildren()) {
        if (!node->Matrix->IsRatings())
            node->Matrix = DefaultRatingScale(SolutionCount());
        const bool direct = kind != ckRelative && node->Matrix->Kind == ckRelative;
        node->Matrix->Kind = kind;
        if (direct)
            SetDirectValues(*node->Matrix);
    } else {
        node->Matrix->Scale.reset();
        node->Matrix->Kind = kind;
    }
    FitNodeMatrix(node);
}

void TModel::SetDirectValues(TMatrix &scale)
{
    // From the first intensity (the best) down: k, k - 1, ..., 1.
    const int k = int(scale.Scale ? scale.Scale->Intensities.size() : 0);
    scale.SetOrder(k);
    for (int i = 0; i < k; ++i)
        scale.AbsoluteValues[size_t(i)] = QString::number(k - i);
}

void TModel::NewModel(const QString &name)
{
    SubcriterionBars.clear();
    ProjectFileName = name;
    KnownFileSet.clear();
    KnownFileStamp.clear();
    Tree.DeleteAllNodes();
    Tree.AddRoot(name, 0, ckRelative);
    Solutions.clear();
    Participants.clear();
    Tree.Select(Tree.FirstNode());
}

std::vector<TCriterionNode *> TModel::AwaitingValues(int k) const
{
    std::vector<TCriterionNode *> leaves;
    for (TCriterionNode *node : Tree.Nodes())
        if (!node->HasChildren() && node->Matrix && node->Matrix->Kind != ckRelative && !node->Matrix->IsRatings()
            && node->Matrix->IsUntyped(k))
            leaves.push_back(node);
    return leaves;
}

void TModel::Reset()
{
    Tree.DeleteAllNodes();
    Tree.AddRoot(QString(), 0, ckRelative);
    Solutions.clear();
    Participants.clear();
    IdealMode = false;
    GroupMethod = TGroupMethod::Aij;
    MarkedSolution = 0;
    ProjectFileName.clear();
    KnownFileSet.clear();
    KnownFileStamp.clear();
    Status = TStatusLine();
    SubcriterionBars.clear();
    Undetermined = false;
}

void TModel::Swap(TModel &other)
{
    Tree.Swap(other.Tree);
    Solutions.swap(other.Solutions);
    Participants.swap(other.Participants);
    std::swap(IdealMode, other.IdealMode);
    std::swap(GroupMethod, other.GroupMethod);
    std::swap(MarkedSolution, other.MarkedSolution);
    ProjectFileName.swap(other.ProjectFileName);
    KnownFileSet.swap(other.KnownFileSet);
    KnownFileStamp.swap(other.KnownFileStamp);
    std::swap(Status, other.Status);
    SubcriterionBars.swap(other.SubcriterionBars);
    std::swap(Undetermined, other.Undetermined);
}
