#pragma once

#include <QString>

// One alternative being chosen between, with what the last synthesis gave it.
struct TSolution
{
    QString Name;
    double Score = 0.0;                                 // composite score of the last run
    QString ValueText = QStringLiteral(" ");            // the score as the results panel shows it
};
