#pragma once

#include "matrix/KalvoError.h"
#include <cmath>

// Every division of the core goes through Divide, and every sum or product that
// could overflow through Checked: no inf or NaN leaves the core silently.

inline double Checked(double value)
{
    if (std::isnan(value))
        throw EKalvoError::invalidOp();
    if (std::isinf(value))
        throw EKalvoError::overflow();
    return value;
}

inline double Divide(double numerator, double denominator)
{
    if (std::isnan(numerator) || std::isnan(denominator))
        throw EKalvoError::invalidOp();
    if (denominator == 0.0) {
        if (numerator == 0.0)
            throw EKalvoError::invalidOp();
        throw EKalvoError::zeroDivide();
    }
    return Checked(numerator / denominator);
}
