#include "ui/mainwindow/CommandHandler.h"

#include "ui/mainwindow/FormKalvo.h"

TCommandHandler::TCommandHandler(TFormKalvo &window)
    : QObject(&window), Window(window), Document(window.Document), Model(window.Model)
{
}
