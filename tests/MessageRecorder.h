#pragma once

#include "matrix/Messages.h"

#include <QStringList>

// Collects the core's warnings instead of printing them.
class TMessageRecorder
{
public:
    TMessageRecorder()
        : FScope([this](const QString &text) { Messages << text; }) {}
    QStringList Messages;

private:
    TMessageHandlerScope FScope;
};
