#pragma once

#include "matrix/Matrix.h"

#include <QByteArray>
#include <QString>

#include <optional>

class TModel;

// The whole model as one JSON document (UTF-8), for scripts that build or read
// models without the three Windows-1250 files:
//   {"format": "kalvo-model", "version": 1,
//    "criteria": [{"name": "Cena", "level": 1,
//                  "kind": "relative" | "less_is_better" | "more_is_better" | null,
//                  "ratios": [[texts of row 0], ...],      (relative: n x n, row by row;
//                                                           "" both ways: a blank pair)
//                  "values": ["texts"],                    (measured: one per item)
//                  "judgements": [[[row texts], ...], ...] (a group's matrix: one n x n
//                                                           per participant)
//                 }, ...],                                 (tree order; level 0 a root)
//    "solutions": ["names"],
//    "participants": [{"name": "Ana", "weight": 1}]}
// kind null is a criterion without a matrix. The texts are those the files hold,
// so a model written out and read back gives the same files byte for byte.

QByteArray ModelToJson(const TModel &model);
// Replaces model with the one the document describes, only when all of it is
// right; a fault throws a format error naming its place: "criteria[3].values[2]:
// not a number".
void ModelFromJson(TModel &model, const QByteArray &bytes);

// "relative", "less_is_better", "more_is_better"
QString KindName(TCriterionKind kind);
std::optional<TCriterionKind> KindNamed(const QString &name);
