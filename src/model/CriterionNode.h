#pragma once

#include "matrix/Matrix.h"

#include <QString>

#include <memory>
#include <vector>

// One criterion of the tree: its name, its children in the order they were added,
// and the comparison matrix it owns (none until it is first needed).
class TCriterionNode
{
public:
    QString Name;
    std::unique_ptr<TMatrix> Matrix;

    explicit TCriterionNode(const QString &name = QString(), TCriterionNode *parent = nullptr)
        : Name(name), FParent(parent) {}

    TCriterionNode(const TCriterionNode &) = delete;
    TCriterionNode &operator=(const TCriterionNode &) = delete;

    // The parent criterion; none for a top-level node.
    TCriterionNode *Parent() const { return FParent && FParent->FParent ? FParent : nullptr; }
    int ChildCount() const { return int(FChildren.size()); }
    bool HasChildren() const { return !FChildren.empty(); }
    TCriterionNode *Child(int index) const
    {
        return index >= 0 && index < ChildCount() ? FChildren[size_t(index)].get() : nullptr;
    }
    // Position among its siblings.
    int Index() const;
    // 0 for a top-level node.
    int Depth() const;
    // The sibling that follows this node, or none after the last.
    TCriterionNode *NextSibling() const;

    TCriterionNode *AppendChild(const QString &name);
    void RemoveChild(int index);
    // Takes a child out with its subtree, and puts one back: an undone removal
    // gets the very nodes it took.
    std::unique_ptr<TCriterionNode> TakeChild(int index);
    void InsertChild(int index, std::unique_ptr<TCriterionNode> child);
    void RemoveAllChildren() { FChildren.clear(); }
    // Exchanges the children of two nodes, each child following its new parent.
    void SwapChildren(TCriterionNode &other);

private:
    TCriterionNode *FParent;
    std::vector<std::unique_ptr<TCriterionNode>> FChildren;
};
