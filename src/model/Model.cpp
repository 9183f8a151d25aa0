#include "model/Model.h"

#include "matrix/KalvoError.h"
#include "model/NodePath.h"

TModel::TModel()
{
    Reset();
}

int TModel::ItemCount(const TCriterionNode *node) const
{
    return node->HasChildren() ? node->ChildCount() : SolutionCount();
}

QStringList TModel::ItemNames(const TCriterionNode *node) const
{
    QStringList names;
    if (node->HasChildren()) {
        for (int i = 0; i < node->ChildCount(); ++i)
            names << node->Child(i)->Name;
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
            if (!node->HasChildren() && node->Matrix && node->Matrix->Kind == ckRelative)
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

void TModel::EditCriterion(TCriterionNode *node, const QString &name, TCriterionKind kind)
{
    if (!node)
        return;
    FitNodeMatrix(node);
    node->Name = name;
    node->Matrix->Kind = kind;
    FitNodeMatrix(node);
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
        if (!node->HasChildren() && node->Matrix && node->Matrix->Kind != ckRelative && node->Matrix->IsUntyped(k))
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
    std::swap(MarkedSolution, other.MarkedSolution);
    ProjectFileName.swap(other.ProjectFileName);
    KnownFileSet.swap(other.KnownFileSet);
    KnownFileStamp.swap(other.KnownFileStamp);
    std::swap(Status, other.Status);
    SubcriterionBars.swap(other.SubcriterionBars);
    std::swap(Undetermined, other.Undetermined);
}
