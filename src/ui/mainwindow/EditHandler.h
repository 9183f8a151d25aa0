#pragma once

#include "ui/mainwindow/CommandHandler.h"

// Undo and redo.
class TEditHandler : public TCommandHandler
{
public:
    using TCommandHandler::TCommandHandler;

    void Undo();
    void Redo();
};
