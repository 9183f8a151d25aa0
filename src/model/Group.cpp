#include "model/Group.h"

#include "model/Model.h"

std::vector<double> ParticipantWeights(const TModel &model)
{
    std::vector<double> weights;
    for (const TParticipant &participant : model.Participants)
        weights.push_back(participant.Weight);
    return weights;
}

TGroup GroupOf(const TModel &model)
{
    TGroup group;
    group.Participants = model.Participants;
    for (const TCriterionNode *node : model.Tree.Nodes())
        if (node->Matrix && !node->Matrix->Judges.empty())
            group.Judges.emplace_back(TCriteriaTree::IndexPath(node), node->Matrix->Judges);
    return group;
}

void SetGroup(TModel &model, const TGroup &group)
{
    model.Participants = group.Participants;
    for (TCriterionNode *node : model.Tree.Nodes())
        if (node->Matrix)
            node->Matrix->Judges.clear();
    for (const auto &[path, judges] : group.Judges)
        if (TCriterionNode *node = model.Tree.NodeAt(path); node && node->Matrix)
            node->Matrix->Judges = judges;
}
