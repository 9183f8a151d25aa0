#include "ui/mainwindow/EditHandler.h"

#include "model/ModelDocument.h"

void TEditHandler::Undo()
{
    Document.Undo();
}

void TEditHandler::Redo()
{
    Document.Redo();
}
