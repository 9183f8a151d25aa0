#pragma once

#include "model/GroupMethod.h"

#include <optional>

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

// "1 udeleženec", "2 udeleženca", "3 udeleženci", "5 udeležencev": the language's
// plural forms, through the translation catalogs (the Slovenian one holds only these).
QString ParticipantCount(int count);
// The group methods by their names in files and on the command line: "aij",
// "aip", "aip-arithmetic"; none for another name.
QString GroupMethodName(TGroupMethod method);
std::optional<TGroupMethod> GroupMethodNamed(const QString &name);
// Each participant's weight, in order.
std::vector<double> ParticipantWeights(const TModel &model);
// The group's values of a matrix it judges (AggregateJudgements by the
// participants' weights): what the synthesis computes and the .MAT holds.
std::vector<double> GroupAggregate(const TModel &model, const TMatrix &matrix);
// The model's group as it is.
TGroup GroupOf(const TModel &model);
// Throws, naming the criterion, its loose items and a pair that joins them, when
// the group's aggregate would leave a matrix it judges with pairs that fall apart
// (its weights not determined); checked before the group becomes the model's.
void CheckGroupDetermines(const TModel &model, const TGroup &group);
// Makes group the model's: the participants, and judgements exactly in the
// matrices it names (none elsewhere).
void SetGroup(TModel &model, const TGroup &group);
