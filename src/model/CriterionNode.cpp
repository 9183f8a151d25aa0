#include "model/CriterionNode.h"

int TCriterionNode::Index() const
{
    if (!FParent)
        return 0;
    const auto &siblings = FParent->FChildren;
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this)
            return int(i);
    return -1;
}

int TCriterionNode::Depth() const
{
    int depth = 0;
    for (const TCriterionNode *node = Parent(); node; node = node->Parent())
        ++depth;
    return depth;
}

TCriterionNode *TCriterionNode::NextSibling() const
{
    return FParent ? FParent->Child(Index() + 1) : nullptr;
}

TCriterionNode *TCriterionNode::AppendChild(const QString &name)
{
    FChildren.push_back(std::make_unique<TCriterionNode>(name, this));
    return FChildren.back().get();
}

void TCriterionNode::RemoveChild(int index)
{
    if (index >= 0 && index < ChildCount())
        FChildren.erase(FChildren.begin() + index);
}

std::unique_ptr<TCriterionNode> TCriterionNode::TakeChild(int index)
{
    if (index < 0 || index >= ChildCount())
        return nullptr;
    std::unique_ptr<TCriterionNode> child = std::move(FChildren[size_t(index)]);
    FChildren.erase(FChildren.begin() + index);
    return child;
}

void TCriterionNode::InsertChild(int index, std::unique_ptr<TCriterionNode> child)
{
    child->FParent = this;
    FChildren.insert(FChildren.begin() + qBound(0, index, ChildCount()), std::move(child));
}

void TCriterionNode::SwapChildren(TCriterionNode &other)
{
    FChildren.swap(other.FChildren);
    for (auto &child : FChildren)
        child->FParent = this;
    for (auto &child : other.FChildren)
        child->FParent = &other;
}
