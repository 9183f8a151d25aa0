#pragma once

#include "model/CriterionNode.h"

#include <functional>
#include <vector>

// The ordered tree of criteria with its selected node. Nodes are identified by
// position only; new nodes always go last among their siblings.
class TCriteriaTree
{
public:
    TCriteriaTree() = default;
    TCriteriaTree(const TCriteriaTree &) = delete;
    TCriteriaTree &operator=(const TCriteriaTree &) = delete;

    int TopLevelCount() const { return FTop.ChildCount(); }
    TCriterionNode *TopLevel(int index) const { return FTop.Child(index); }
    // The first node in tree order (the root of a model), or none for an empty tree.
    TCriterionNode *FirstNode() const { return FTop.Child(0); }
    bool IsEmpty() const { return !FTop.HasChildren(); }
    int NodeCount() const;

    TCriterionNode *Selected() const { return FSelected; }
    void Select(TCriterionNode *node) { FSelected = node; }

    // Every node in tree order (pre-order: a node, then its children's subtrees).
    std::vector<TCriterionNode *> Nodes() const;
    // The node and its subtree in tree order.
    static std::vector<TCriterionNode *> Subtree(TCriterionNode *node);

    // A new top-level node after the last one; a matrix only when order > 0.
    TCriterionNode *AddRoot(const QString &name, qint32 order, TCriterionKind kind);
    // A new last child of the selected node with a matrix of order and kind;
    // nothing without a selection.
    TCriterionNode *AddSelectedChild(const QString &name, qint32 order, TCriterionKind kind);
    // A new last child of parent (or a top-level node) without a matrix; for readers.
    TCriterionNode *Append(TCriterionNode *parent, const QString &name);
    // Removes the selected node with its subtree. A parent's matrix that compares
    // the children loses the node's row and column; the parent becomes selected.
    void DeleteSelectedNode();
    void DeleteAllNodes();
    // A node's subtree out of the tree, and back in at a position among parent's
    // children (a top-level position without parent). The selection is left alone.
    std::unique_ptr<TCriterionNode> Take(TCriterionNode *node);
    void Insert(TCriterionNode *parent, int index, std::unique_ptr<TCriterionNode> node);
    // A node by its positions from the top (IndexPath), or none.
    TCriterionNode *NodeAt(const std::vector<int> &path) const;
    static std::vector<int> IndexPath(const TCriterionNode *node);
    // Exchanges the whole content (nodes and selection) with another tree.
    void Swap(TCriteriaTree &other)
    {
        FTop.SwapChildren(other.FTop);
        std::swap(FSelected, other.FSelected);
    }

private:
    TCriterionNode FTop;   // holds the top-level nodes; not itself a criterion
    TCriterionNode *FSelected = nullptr;
};
