#include "ui/mainwindow/CriteriaTreeView.h"

#include "model/CriteriaTree.h"
#include "ui/common/Fonts.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimerEvent>

namespace {

const int NodeRole = Qt::UserRole + 1;

} // namespace

TCriteriaTreeView::TCriteriaTreeView(QWidget *parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setIndentation(19);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        if (!FQuiet)
            emit NodeSelected(NodeOf(current));
    });
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item) {
        TCriterionNode *node = NodeOf(item);
        if (!node || FQuiet)
            return;
        if (item->text(0).trimmed().isEmpty())
            ShowName(node);   // a blank name would make the criterion invisible: the old one stays
        else
            emit NodeRenamed(node, item->text(0));
    });
}

TCriterionNode *TCriteriaTreeView::NodeOf(const QTreeWidgetItem *item)
{
    return item ? reinterpret_cast<TCriterionNode *>(item->data(0, NodeRole).value<quintptr>()) : nullptr;
}

QTreeWidgetItem *TCriteriaTreeView::ItemOf(const TCriterionNode *node) const
{
    for (QTreeWidgetItemIterator it(const_cast<TCriteriaTreeView *>(this)); *it; ++it)
        if (NodeOf(*it) == node)
            return *it;
    return nullptr;
}

QTreeWidgetItem *TCriteriaTreeView::AddItem(TCriterionNode *node, QTreeWidgetItem *parent)
{
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, node->Name);
    item->setToolTip(0, node->Name);
    item->setData(0, NodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(node)));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    // Tall enough for the carons of capitals (Č, Š, Ž), which rise above the font's ascent.
    item->setSizeHint(0, QSize(0, TextRowHeight(font())));
    for (int i = 0; i < node->ChildCount(); ++i)
        AddItem(node->Child(i), item);
    return item;
}

void TCriteriaTreeView::Rebuild(const TCriteriaTree &tree)
{
    FQuiet = true;
    FRename.stop();
    clear();
    for (int i = 0; i < tree.TopLevelCount(); ++i)
        AddItem(tree.TopLevel(i), nullptr);
    expandAll();
    setCurrentItem(ItemOf(tree.Selected()));
    FQuiet = false;
}

void TCriteriaTreeView::ShowName(const TCriterionNode *node)
{
    FQuiet = true;
    if (QTreeWidgetItem *item = ItemOf(node)) {
        item->setText(0, node->Name);
        item->setToolTip(0, node->Name);
    }
    FQuiet = false;
}

void TCriteriaTreeView::ShowCurrent(const TCriterionNode *node)
{
    FQuiet = true;
    setCurrentItem(ItemOf(node));
    FQuiet = false;
}

bool TCriteriaTreeView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // A click on the selected item renames only when no second click follows.
    if (trigger == SelectedClicked) {
        FRenameIndex = index;
        FRename.start(QApplication::doubleClickInterval(), this);
        return false;
    }
    return QTreeWidget::edit(index, trigger, event);
}

void TCriteriaTreeView::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == FRename.timerId()) {
        FRename.stop();
        if (FRenameIndex.isValid() && FRenameIndex == currentIndex())
            QTreeWidget::edit(FRenameIndex, EditKeyPressed, nullptr);
        return;
    }
    QTreeWidget::timerEvent(event);
}

void TCriteriaTreeView::mouseDoubleClickEvent(QMouseEvent *event)
{
    FRename.stop();
    event->accept();
    emit DblClick();
}
