#pragma once


#include "matrix/Matrix.h"
#include "matrix/Conversions.h"
#include "model/JudgementChange.h"
#include "model/Model.h"

#include <QString>

#include <vector>


struct TConsistencyAdvice
{
    double CR = 0.0;                        // today's
    std::vector<TJudgementChange> Changes;  // none when CR is already at most 0.1
    double CRAfter = 0.0;                   // after all the changes, as Compute gives it
    bool Fewest = true;    // every set of one and two changes was searched: none smaller does it
    bool Reached = true;   // CRAfter is at most AcceptableCR
    std::vector<double> WeightsBefore;   // the items' weights today
    std::vector<double> WeightsAfter;    // and after the changes
};

// The fewest judgement changes that bring a relative matrix's CR to AcceptableCR
// or below, and among those the set with the lowest CR. Every set of one and of two
// changes is searched exhaustively; beyond two, greedy steps from the best pairs
// (Fewest is false then). When nothing within the search reaches it, the set that
// lowers CR the most (Reached is false). The CRs come from TMatrix::Compute under
// the given method, so the advice agrees with what the status line will show.
// A matrix of another kind, or of an order above 10 (no random index), throws.
TConsistencyAdvice AdviseConsistency(const TMatrix &matrix, bool exactMethod);

// The screening CR the search ranks its candidates by: the same formulas as
// Compute on numbers (orders 3 to 10); Compute decides every answer.
double ScreeningCR(const TMatrix &matrix, bool exactMethod);

// Writes the changes into the matrix (both cells of each), as the ratio dialog would.
void ApplyAdvice(TMatrix &matrix, const std::vector<TJudgementChange> &changes);

// What a reader of the advice must know besides the changes, or "": that no change
// searched reaches the acceptable CR (those given lower it most), or that more
// than two changes are needed (a shorter way may exist).
QString AdviceCaveat(const TConsistencyAdvice &advice);
