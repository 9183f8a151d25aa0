#pragma once

#include <QString>

#include <vector>

// One alternative being chosen between, with what the last synthesis gave it.
struct TSolution
{
    QString Name;
    double Score = 0.0;                                 // composite score of the last run (totals normalised)
    QString ValueText = QStringLiteral(" ");            // the score as the results panel shows it
    std::vector<int> Ranks;                             // its rank by each participant alone, 0: none
    double Total = 0.0;                                 // the sum of its leaves' weighted contributions
};
