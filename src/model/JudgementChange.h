#pragma once

#include <QString>

// One changed judgement: cell (Row, Col), 1-based as the status line's MaxD cell,
// from one ratio text to another; its mirror gets the reciprocal, as the ratio
// dialog writes them.
struct TJudgementChange
{
    int Row = 0;
    int Col = 0;
    QString From;
    QString To;
    bool operator==(const TJudgementChange &) const = default;
};
