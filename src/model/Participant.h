#pragma once

#include <QString>

// A weight beyond this is refused wherever one comes in (a file, a survey, a
// document): sums of many such must stay finite.
inline constexpr double MaxParticipantWeight = 1e6;

// One member of a group that judges the model: their name and the weight of their say.
struct TParticipant
{
    QString Name;
    double Weight = 1.0;
    bool operator==(const TParticipant &) const = default;
};
