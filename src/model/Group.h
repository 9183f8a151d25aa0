#pragma once

#include "matrix/Matrix.h"
#include "model/Participant.h"

#include <utility>
#include <vector>

class TModel;

// A group's whole say: its participants and, for each ratio matrix they judge (by
// the node's positions from the top), each participant's texts.
struct TGroup
{
    std::vector<TParticipant> Participants;
    std::vector<std::pair<std::vector<int>, std::vector<TJudgeTexts>>> Judges;
};

// Each participant's weight, in order.
std::vector<double> ParticipantWeights(const TModel &model);
// The model's group as it is.
TGroup GroupOf(const TModel &model);
// Makes group the model's: the participants, and judgements exactly in the
// matrices it names (none elsewhere).
void SetGroup(TModel &model, const TGroup &group);
