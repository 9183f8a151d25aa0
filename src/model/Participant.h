#pragma once

#include <QString>

// One member of a group that judges the model: their name and the weight of their say.
struct TParticipant
{
    QString Name;
    double Weight = 1.0;
    bool operator==(const TParticipant &) const = default;
};
