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

static thread_local bool tQuiet = false;   // this thread keeps its warnings

TQuietThreadScope::TQuietThreadScope()
    : FWasQuiet(tQuiet)
{
    tQuiet = true;
}

TQuietThreadScope::~TQuietThreadScope()
{
    tQuiet = FWasQuiet;
}

TMessageHandler SetMessageHandler(TMessageHandler handler)
{
    TMessageHandler previous = std::move(CurrentHandler());
    CurrentHandler() = handler ? std::move(handler) : TMessageHandler(PrintToStderr);
    return previous;
}

void ShowMessage(const QString &text)
{
    if (!tQuiet)
        CurrentHandler()(text);
}
