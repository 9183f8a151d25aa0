#pragma once

#include "model/CriteriaTree.h"

#include <QString>

// A node's path: the criterion names from the root down, joined by "/".
QString NodePath(const TCriterionNode *node);
// Where an error happened, as its message's second line says it: "Kriterij »path«".
QString CriterionPlace(const TCriterionNode *node);
// The first node in tree order whose path is path, or none.
TCriterionNode *FindNode(const TCriteriaTree &tree, const QString &path);
