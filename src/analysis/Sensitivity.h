#pragma once

#include "model/Model.h"

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
    std::vector<TCrossing> Crossings; // sorted by weight
};

struct TSensitivity
{
    TCriterionNode *Node = nullptr;
    std::vector<double> Scores;       // at today's weights
    int Top = -1;                     // the highest score, the first one on a tie; -1 without solutions
    std::vector<TCriterionSensitivity> Criteria;
    // The sub-criterion whose weight needs the smallest change to change the top
    // solution (-1 when no move in [0, 1] does), with that weight and change.
    int Critical = -1;
    double CriticalWeight = 0.0;
    double CriticalChange = 0.0;
};

// The sensitivity of node's sub-criteria under the model's method. Costs one
// synthesis per sub-criterion (each matrix computed once) and O(m n^2) for the
// crossings. A node without sub-criteria, or a failing synthesis, throws
// EKalvoError naming the criterion. The model's matrices are computed, nothing
// else of it changes.
TSensitivity AnalyzeSensitivity(TModel &model, TCriterionNode *node);

// The scores when sub-criterion i has weight x, from the lines.
std::vector<double> ScoresAt(const TCriterionSensitivity &criterion, double x);
