#pragma once

#include "matrix/KalvoError.h"

#include <QJsonObject>
#include <QString>

#include <functional>
#include <memory>

class TMatrix;

// A ratings leaf's scale as JSON keys of the object that holds it (a criterion
// of the model's JSON document, or its entry in the companion):
//   "intensities": [{"name": "Odlično", "value": null}, ...]   value: a direct value, or null when compared
//   "intensity_ratios": [[texts of row 1], ...]                 k x k, absent with direct values
//   "ratings": [index or null per solution]
void InsertRatingScale(QJsonObject &holder, const TMatrix &scale);

// The scale those keys describe, checked whole: at least two named intensities,
// direct values all above 0 or all null, ratios as the ratio dialog writes them
// (1 on the diagonal, a ratio and its reciprocal, or a pair blank both ways), one
// rating per solution naming an intensity or null. A fault throws what fault
// makes of its place (where + ".intensities[2].value") and what is wrong.
using TScaleFault = std::function<EKalvoError(const QString &place, const QString &what)>;
std::unique_ptr<TMatrix> ReadRatingScale(const QJsonObject &holder, int solutions, const QString &where,
                                         const TScaleFault &fault);
