#pragma once

#include "model/Model.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// How sure a ranking is: the judgements perturbed at random, many times over, and
// the synthesis run each time. A judgement v sits at scale position t = v - 1
// (v >= 1) or t = -(1/v - 1) (v < 1); a run moves every judged pair (r < c) of
// every ratio matrix in use under the start by U uniform on [-spread, spread],
// clamps t to [-8, 8] and maps it back (the mirror gets the reciprocal); blank
// pairs stay blank, measured values stay. With ResampleParticipants (a group's
// model), each run also draws as many participants as there are, with
// replacement, each by its weight, and aggregates the drawn judgements (each
// perturbed) with equal weights. The random numbers come from the stream's number
// alone: the same stream, model and settings give the same result on any number
// of threads.
struct TUncertaintySettings
{
    int Runs = 10000;
    quint64 Stream = 1;             // which random numbers the runs take
    double Spread = 1.0;
    bool ResampleParticipants = false;
    std::optional<double> MaxCR;   // a run is used only if every perturbed matrix's CR is within it
    int Threads = 0;               // 0: one per core
};

// Minimum, 5th percentile, median, 95th percentile and maximum over the used runs
// (nearest rank: the value at position ceil(p N) of the sorted N values).
struct TRange
{
    double Min = 0.0, P05 = 0.0, Median = 0.0, P95 = 0.0, Max = 0.0;
};

struct TCriterionRanges
{
    QString Path;
    std::vector<TRange> Weights;   // each item's local weight
};

struct TUncertainty
{
    int Runs = 0;
    int UsedRuns = 0;
    std::vector<double> Scores;                      // today's, unperturbed
    std::vector<std::vector<double>> RankShares;     // [solution][rank - 1]: the share of used runs
    std::vector<double> First;                       // the share of used runs in which it ranks first
    std::vector<TRange> ScoreRanges;
    std::vector<std::vector<double>> Wins;           // [a][b]: the share of used runs in which a scores above b
    std::vector<TCriterionRanges> Criteria;          // every ratio matrix under the start, in tree order
};

// Simulates under start (the selected criterion, or the root) by the model's
// method and mode. progress(done, total) is called from the calling thread now
// and then; returning false cancels (the result then holds the runs done, in
// order from the first). Throws what the synthesis throws for today's model, or
// a refusal of the settings.
TUncertainty SimulateUncertainty(const TModel &model, TCriterionNode *start, const TUncertaintySettings &settings,
                                 const std::function<bool(int done, int total)> &progress = {});
