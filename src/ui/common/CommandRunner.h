#pragma once

#include <functional>

class QWidget;

// The program's one top-level error handler: runs a command, and shows the
// message of a conversion, arithmetic or file error it raises in a message box
// over parent; the program then goes on. True when the command raised nothing.
bool RunGuarded(QWidget *parent, const std::function<void()> &command);
