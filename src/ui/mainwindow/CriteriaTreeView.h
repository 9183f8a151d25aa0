#pragma once

#include <QBasicTimer>
#include <QPersistentModelIndex>
#include <QTreeWidget>

class TCriteriaTree;
class TCriterionNode;

// tv_kriteriji: the criteria tree as the window shows it. Each item refers to its
// node; the tree is rebuilt from the model, never edited apart from it. A
// double-click is one gesture with one editor: it reports DblClick and cancels
// the in-place rename that its first click would otherwise start.
class TCriteriaTreeView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit TCriteriaTreeView(QWidget *parent = nullptr);

    static TCriterionNode *NodeOf(const QTreeWidgetItem *item);
    QTreeWidgetItem *ItemOf(const TCriterionNode *node) const;

    // Items for every node of tree, the selected node current; no signal about it.
    void Rebuild(const TCriteriaTree &tree);
    // Shows a node's new name without reporting a rename.
    void ShowName(const TCriterionNode *node);
    // Makes the node's item current without reporting a selection change.
    void ShowCurrent(const TCriterionNode *node);

signals:
    // The current item changed by the user (click, keys).
    void NodeSelected(TCriterionNode *node);
    // The in-place editor closed on a new name.
    void NodeRenamed(TCriterionNode *node, const QString &name);
    // A double-click on the tree.
    void DblClick();

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    QTreeWidgetItem *AddItem(TCriterionNode *node, QTreeWidgetItem *parent);
    bool FQuiet = false;                 // changes made by the program, not the user
    QBasicTimer FRename;                 // a click on the selected item, waiting for a second click
    QPersistentModelIndex FRenameIndex;
};
