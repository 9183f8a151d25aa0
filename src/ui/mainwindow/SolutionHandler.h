#pragma once

#include "ui/mainwindow/CommandHandler.h"

// The solutions: add, rename and remove the marked one, remove all, mark a row.
class TSolutionHandler : public TCommandHandler
{
    Q_OBJECT

public:
    using TCommandHandler::TCommandHandler;

    void Add();
    void Rename();
    void Remove();
    void RemoveAll();
    void Mark(int row);
};
