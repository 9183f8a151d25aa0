#pragma once

#include "matrix/KalvoError.h"
#include "LocaleScope.h"
#include "MessageRecorder.h"

#include <QTest>

// Runs f and returns the message of the EKalvoError it throws, or "" when it throws nothing.
template <typename F>
QString ErrorOf(F &&f)
{
    try {
        f();
    } catch (const EKalvoError &e) {
        return e.message();
    }
    return QString();
}
