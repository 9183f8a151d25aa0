#pragma once

#include <unordered_set>

class TCriterionNode;

// One run's memory of the matrices it has computed, so that a later solution
// reuses the work (and a matrix's warning is shown once per run, not per solution).
class TSynthesisCache
{
public:
    bool IsComputed(const TCriterionNode *node) const { return FComputed.count(node) != 0; }
    void SetComputed(const TCriterionNode *node) { FComputed.insert(node); }

private:
    std::unordered_set<const TCriterionNode *> FComputed;
};
