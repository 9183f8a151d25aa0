#include "model/CriteriaTree.h"

namespace {

void CollectSubtree(TCriterionNode *node, std::vector<TCriterionNode *> &out)
{
    out.push_back(node);
    for (int i = 0; i < node->ChildCount(); ++i)
        CollectSubtree(node->Child(i), out);
}

} // namespace

int TCriteriaTree::NodeCount() const
{
    return int(Nodes().size());
}

std::vector<TCriterionNode *> TCriteriaTree::Nodes() const
{
    std::vector<TCriterionNode *> nodes;
    for (int i = 0; i < FTop.ChildCount(); ++i)
        CollectSubtree(FTop.Child(i), nodes);
    return nodes;
}

std::vector<TCriterionNode *> TCriteriaTree::Subtree(TCriterionNode *node)
{
    std::vector<TCriterionNode *> nodes;
    if (node)
        CollectSubtree(node, nodes);
    return nodes;
}

TCriterionNode *TCriteriaTree::AddRoot(const QString &name, qint32 order, TCriterionKind kind)
{
    TCriterionNode *node = FTop.AppendChild(name);
    if (order > 0)
        node->Matrix = std::make_unique<TMatrix>(order, kind);
    return node;
}

TCriterionNode *TCriteriaTree::AddSelectedChild(const QString &name, qint32 order, TCriterionKind kind)
{
    if (!FSelected)
        return nullptr;
    TCriterionNode *node = FSelected->AppendChild(name);
    node->Matrix = std::make_unique<TMatrix>(order, kind);
    return node;
}

TCriterionNode *TCriteriaTree::Append(TCriterionNode *parent, const QString &name)
{
    return (parent ? parent : &FTop)->AppendChild(name);
}

void TCriteriaTree::DeleteSelectedNode()
{
    if (!FSelected)
        return;
    TCriterionNode *parent = FSelected->Parent();
    const int index = FSelected->Index();
    // Only a matrix fitted to the children compares them; one that still lags
    // behind (it compared the solutions) is left for its next fitting.
    if (parent && parent->Matrix && parent->Matrix->Order == parent->ChildCount())
        parent->Matrix->RemoveItem(index);
    (parent ? parent : &FTop)->RemoveChild(index);
    FSelected = parent;
}

void TCriteriaTree::DeleteAllNodes()
{
    FSelected = nullptr;
    FTop.RemoveAllChildren();
}

std::unique_ptr<TCriterionNode> TCriteriaTree::Take(TCriterionNode *node)
{
    TCriterionNode *parent = node->Parent();
    return (parent ? parent : &FTop)->TakeChild(node->Index());
}

void TCriteriaTree::Insert(TCriterionNode *parent, int index, std::unique_ptr<TCriterionNode> node)
{
    (parent ? parent : &FTop)->InsertChild(index, std::move(node));
}

TCriterionNode *TCriteriaTree::NodeAt(const std::vector<int> &path) const
{
    const TCriterionNode *node = &FTop;
    for (int index : path) {
        node = node->Child(index);
        if (!node)
            return nullptr;
    }
    return node == &FTop ? nullptr : const_cast<TCriterionNode *>(node);
}

std::vector<int> TCriteriaTree::IndexPath(const TCriterionNode *node)
{
    std::vector<int> path;
    for (; node; node = node->Parent())
        path.insert(path.begin(), node->Index());
    return path;
}
