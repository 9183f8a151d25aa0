#pragma once

#include <QString>
#include <functional>

// The core's warnings (texts the user must acknowledge, not errors that stop an
// operation) go through one handler: the window shows a modal message box, the
// command-line tool prints to standard error, tests count them.
using TMessageHandler = std::function<void(const QString &)>;

// Installs a handler and returns the previous one; an empty handler restores the default.
TMessageHandler SetMessageHandler(TMessageHandler handler);
void ShowMessage(const QString &text);

// Keeps this thread's warnings to itself for the lifetime of the guard: a worker
// (the simulation's runs) must not reach the window's message box, and repeats
// what the window computed already.
class TQuietThreadScope
{
public:
    TQuietThreadScope();
    ~TQuietThreadScope();
    TQuietThreadScope(const TQuietThreadScope &) = delete;
    TQuietThreadScope &operator=(const TQuietThreadScope &) = delete;

private:
    bool FWasQuiet;
};

// Installs a handler for the lifetime of the guard.
class TMessageHandlerScope
{
public:
    explicit TMessageHandlerScope(TMessageHandler handler)
        : FPrevious(SetMessageHandler(std::move(handler))) {}
    ~TMessageHandlerScope() { SetMessageHandler(std::move(FPrevious)); }
    TMessageHandlerScope(const TMessageHandlerScope &) = delete;
    TMessageHandlerScope &operator=(const TMessageHandlerScope &) = delete;

private:
    TMessageHandler FPrevious;
};
