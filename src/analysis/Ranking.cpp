#include "analysis/Ranking.h"

#include <algorithm>
#include <cmath>
#include <numeric>

std::vector<int> CompetitionRanks(const std::vector<double> &scores)
{
    std::vector<int> order(scores.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return scores[size_t(a)] > scores[size_t(b)]; });
    std::vector<int> ranks(scores.size(), 0);
    for (size_t i = 0; i < order.size(); ++i) {
        const double here = scores[size_t(order[i])];
        const bool tied = i > 0 && std::fabs(scores[size_t(order[i - 1])] - here) <= 1e-12 * std::max(1.0, std::fabs(here));
        ranks[size_t(order[i])] = tied ? ranks[size_t(order[i - 1])] : int(i) + 1;
    }
    return ranks;
}
