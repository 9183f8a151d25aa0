#include "model/NodePath.h"

#include <QStringList>

QString NodePath(const TCriterionNode *node)
{
    QStringList names;
    for (; node; node = node->Parent())
        names.prepend(node->Name);
    return names.join(QLatin1Char('/'));
}

TCriterionNode *FindNode(const TCriteriaTree &tree, const QString &path)
{
    for (TCriterionNode *node : tree.Nodes())
        if (NodePath(node) == path)
            return node;
    return nullptr;
}
