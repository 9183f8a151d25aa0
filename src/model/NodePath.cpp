#include "model/NodePath.h"

#include <QCoreApplication>

#include "matrix/KalvoError.h"

#include <QStringList>

QString NodePath(const TCriterionNode *node)
{
    QStringList names;
    for (; node; node = node->Parent())
        names.prepend(node->Name);
    return names.join(QLatin1Char('/'));
}

QString CriterionPlace(const TCriterionNode *node)
{
    return QCoreApplication::translate("Kalvo", "Kriterij »%1«").arg(EKalvoError::Quote(NodePath(node)));
}

TCriterionNode *FindNode(const TCriteriaTree &tree, const QString &path)
{
    for (TCriterionNode *node : tree.Nodes())
        if (NodePath(node) == path)
            return node;
    return nullptr;
}
