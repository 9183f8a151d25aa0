#pragma once

#include "matrix/KalvoError.h"
#include "model/Model.h"

#include <optional>
#include <vector>

class TSynthesisCache;

// Solution k's composite score under node: the node's matrix is computed (by
// the exact method or not), then each child's score is weighed by the child's
// weight (a leaf gives weight k). A node without a matrix, a missing child and a
// missing weight count 0. With a cache, each matrix is computed only the first
// time it is reached.
// In the ideal mode a leaf gives each solution its share divided by the leaf's best.
double Analyze(TCriterionNode *node, int k, bool exactMethod, TSynthesisCache *cache = nullptr, bool idealMode = false);

// What a leaf's computed matrix gives solution k: its share, or in the ideal mode
// its share divided by the best share; 0 for a solution the vector does not reach.
double LeafContribution(const TMatrix &leaf, int k, bool idealMode);

// The one refresh of everything derived: every solution's score under the
// selected node (or the first node), the status line, and the sub-criterion bars
// of the selected node from the weights just computed. A failing computation
// throws before any score, the status line or the bars change. A group's model
// also gives each solution its rank by each participant's judgements alone; with
// a participant selected, the status line and the blank pairs are theirs.
// With a memo, a participant whose ranking it holds is not computed again, and
// the ones computed are kept in it.
struct TParticipantRanksMemo;
void AnalyzeAll(TModel &model, int participant = -1, TParticipantRanksMemo *memo = nullptr);

// Each participant's own ranking under the start criterion (empty: their pairs
// do not determine weights), kept between refreshes by whoever knows which
// participant's judgements an edit changed.
struct TParticipantRanksMemo {
    std::vector<std::optional<std::vector<int>>> Ranks;   // none: not known
    void ForgetAll() { Ranks.clear(); }
    void Forget(int participant)
    {
        if (participant >= 0 && size_t(participant) < Ranks.size())
            Ranks[size_t(participant)].reset();
    }
};

// The refresh the window shows: AnalyzeAll, and when a computation fails, results
// that say so rather than the last ones: no scores, no ranks, bars at 0, the start
// criterion's name with "Uteži niso določene" in the status line and the reason
// on the line under the grid (for pairs that fall apart: the loose items and a
// pair that joins them, which a double-click asks when it is the start's).
// Returns the error, if any.
std::optional<EKalvoError> RefreshResults(TModel &model, int participant = -1, TParticipantRanksMemo *memo = nullptr);

// The sub-criterion bars of the selected node from its current weights; with no
// node selected the bars stay as they were.
void ComputeSubcriterionBars(TModel &model);

// The texts of the status line for a start node whose matrix has been computed.
TStatusLine StatusFor(const TCriterionNode *node);
// The same for a criterion's name and a computed matrix (none: the name alone).
TStatusLine StatusFor(const QString &name, const TMatrix *matrix);
// For a node whose matrix has blank pairs: how many, and the pair to ask next by its items' names.
void AddBlankPairs(TStatusLine &status, const TModel &model, const TCriterionNode *node);
void AddBlankPairs(TStatusLine &status, const class TCompletion &completion, const QStringList &items);
// For a group's matrix: the consensus of the participants' own weights (S*) in words.
void AddConsensus(TStatusLine &status, const TModel &model, const TCriterionNode *node);
// Gives every ratio matrix under start that holds a group's judgements the
// group's aggregate (TMatrix::Given), by the participants' weights, or with
// participant >= 0 that participant's own judgements; clears it elsewhere.
void PrepareGroupMatrices(const TModel &model, TCriterionNode *start, int participant = -1);
// What a leaf gives every solution at once (LeafContribution for each, with one
// best share for the leaf).
std::vector<double> LeafContributions(const TMatrix &leaf, int solutions, bool idealMode);
// The scores from the totals: the totals themselves when they sum to 1 already
// (normalise false: the distributive mode without ratings), else the totals
// divided by their sum (all 0 while nothing counts yet: no solution rated).
std::vector<double> ScoresOfTotals(const std::vector<double> &totals, bool normalise);
// Whether a ratings leaf lies under start (the scores are then the totals normalised).
bool HasRatingsUnder(const TCriterionNode *start);

// A group's weights of a matrix it judges by AIP: each participant's own weights
// (by the model's method), their weighted geometric mean (Aip) or arithmetic mean
// (AipArithmetic), normalised; a participant whose pairs do not determine weights
// has no say there. None when nobody's do.
std::vector<double> AipVector(const TModel &model, const TMatrix &matrix);
// Throws, naming the items, when a matrix under start has blank pairs that cut its
// comparison graph apart: its weights are not determined.
void CheckComparisonGraphs(const TModel &model, TCriterionNode *start);

// Nearest integer, halves to even, within the int range.
int RoundHalfEven(double value);
