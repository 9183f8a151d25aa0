#pragma once

#include <QString>

#include <array>

// The seven texts of the status line and its emphasis (bold italic when CR > 0.1);
// for a matrix with blank pairs, how many and which pair to ask next.
struct TStatusLine
{
    std::array<QString, 7> Panels;
    bool Emphasis = false;
    QString BlankPairs;          // "Neprimerjani pari: 2. Naslednja primerjava: »A« : »B«", or ""
    int NextRow = 0, NextCol = 0;   // the next pair's grid cell (from 1), 0 when none
    QString Consensus;           // for a group's matrix: "Soglasje udeležencev: 78 % (visoko)"

    bool operator==(const TStatusLine &) const = default;
};
