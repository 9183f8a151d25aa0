#pragma once

#include <QString>

#include <array>

// The seven texts of the status line and its emphasis (bold italic when CR > 0.1).
struct TStatusLine
{
    std::array<QString, 7> Panels;
    bool Emphasis = false;

    bool operator==(const TStatusLine &) const = default;
};
