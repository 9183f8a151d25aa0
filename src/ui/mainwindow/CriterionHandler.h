#pragma once

#include "ui/mainwindow/CommandHandler.h"

class TCriterionNode;

// The criteria: add, remove, edit (name and kind), rename in the tree.
class TCriterionHandler : public TCommandHandler
{
    Q_OBJECT

public:
    using TCommandHandler::TCommandHandler;

    void Add();
    void Remove();
    // The selected criterion's name and kind in the criterion dialog (a double-click in the tree).
    void Edit();
    void Rename(TCriterionNode *node, const QString &name);
};
