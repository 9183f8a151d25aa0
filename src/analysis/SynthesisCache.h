#pragma once

#include <QStringList>

#include <unordered_map>

class TCriterionNode;

// One run's memory of the matrices it has computed and of the warnings each
// computation gave, so that a later solution repeats the warnings, not the work.
class TSynthesisCache
{
public:
    bool IsComputed(const TCriterionNode *node) const { return FWarnings.count(node) != 0; }
    void SetComputed(const TCriterionNode *node, const QStringList &warnings) { FWarnings[node] = warnings; }
    const QStringList &Warnings(const TCriterionNode *node) const { return FWarnings.at(node); }

private:
    std::unordered_map<const TCriterionNode *, QStringList> FWarnings;
};
