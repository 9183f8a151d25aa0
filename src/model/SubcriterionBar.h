#pragma once

#include <QString>

// One child of the selected criterion as the results panel shows it: its name,
// its weight as text and as a position of a 0..100 bar.
struct TSubcriterionBar
{
    QString Name;
    QString ValueText;
    int Position = 0;
    bool operator==(const TSubcriterionBar &) const = default;
};
