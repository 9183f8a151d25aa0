#pragma once

#include "model/Model.h"

#include <functional>
#include <vector>

// One-at-a-time weight sensitivity of a criterion S with sub-criteria c1..cm.
// Moving the weight of c_i to x in [0, 1] while the others keep their proportions
// makes every solution's score a straight line:
//     score_k(x) = (1 - x) * AtZero[k] + x * AtOne[k],
// AtOne the solution's score under c_i alone, AtZero its score under the others
// (weighed by their weights; shared equally when those are all 0; with no other
// sub-criterion the line is flat at AtOne). Everything below is exact: the places
// where lines meet, not samples.

// Two solutions' lines meet strictly between 0 and 1: their order reverses there.
struct TCrossing
{
    double Weight = 0.0;
    int First = 0;    // solution indices, First < Second
    int Second = 0;
};

struct TCriterionSensitivity
{
    TCriterionNode *Node = nullptr;
    double Weight = 0.0;              // today's weight w_i
    std::vector<double> AtZero;       // per solution
    std::vector<double> AtOne;
    double Low = 0.0, High = 1.0;     // the weights that keep the top solution on top (ties included)
    int LowRival = -1;                // the solution on top just below Low (-1 when Low is 0)
    int HighRival = -1;               // the solution on top just above High (-1 when High is 1)
    std::vector<TCrossing> Crossings; // among the followed solutions, sorted by weight
};

struct TSensitivity
{
    TCriterionNode *Node = nullptr;
    std::vector<double> Scores;       // at today's weights
    int Top = -1;                     // the highest score, the first one on a tie; -1 without solutions
    // The solutions whose crossings are kept: the best few by today's score (best
    // first), then the marked one if it is not among them. With thousands of
    // solutions every pair's crossings would be millions; ForEachCrossing gives
    // them all, one at a time.
    std::vector<int> Followed;
    std::vector<TCriterionSensitivity> Criteria;
    // The sub-criterion whose weight needs the smallest change to change the top
    // solution (-1 when no move in [0, 1] does), with that weight and change.
    int Critical = -1;
    double CriticalWeight = 0.0;
    double CriticalChange = 0.0;
};

// The sensitivity of node's sub-criteria under the model's method. Costs one
// synthesis per sub-criterion (each matrix computed once) and O(m n) beyond it:
// the crossings are those among the `followed` best solutions and the marked one.
// A node without sub-criteria, or a failing synthesis, throws EKalvoError naming
// the criterion. The model's matrices are computed, nothing else of it changes.

// How many of the best solutions a sensitivity analysis follows.
inline constexpr int FollowedSolutions = 10;

TSensitivity AnalyzeSensitivity(const TModel &model, TCriterionNode *node, int followed = FollowedSolutions);
// The same for a model read from files, whose node matrix may not fit its items yet.
TSensitivity AnalyzeSensitivity(TModel &model, TCriterionNode *node, int followed = FollowedSolutions);

// The scores when sub-criterion i has weight x, from the lines.
std::vector<double> ScoresAt(const TCriterionSensitivity &criterion, double x);

// Every crossing of every pair of solutions, pair by pair (First, then Second),
// without keeping them: memory stays linear in the solutions.
void ForEachCrossing(const TCriterionSensitivity &criterion, const std::function<void(const TCrossing &)> &visit);

