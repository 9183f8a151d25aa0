#include "matrix/Messages.h"

#include <cstdio>

namespace {

void PrintToStderr(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

TMessageHandler &CurrentHandler()
{
    static TMessageHandler handler = PrintToStderr;
    return handler;
}

} // namespace

TMessageHandler SetMessageHandler(TMessageHandler handler)
{
    TMessageHandler previous = std::move(CurrentHandler());
    CurrentHandler() = handler ? std::move(handler) : TMessageHandler(PrintToStderr);
    return previous;
}

void ShowMessage(const QString &text)
{
    CurrentHandler()(text);
}
