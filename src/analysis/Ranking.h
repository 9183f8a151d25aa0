#pragma once

#include <vector>

// Competition ranks of scores, highest first: scores within 1e-12 of each other
// (relative to the larger of 1 and the score) share a rank, and the next rank
// counts them all (1, 2, 2, 4). The one ranking of the program: the results, each
// participant's own, the sensitivity window, the simulations.
std::vector<int> CompetitionRanks(const std::vector<double> &scores);
