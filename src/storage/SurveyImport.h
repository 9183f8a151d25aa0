#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

#include "model/Group.h"

class TModel;

// A survey's answers as a group's judgements: a CSV file (UTF-8, a BOM allowed,
// ";" or "," between fields, quotes as usual) with one row per participant. The
// header names the columns: "Ime" (the participant's name), an optional "Utež"
// (their weight, 1 when empty), and one column per pair of a criterion's items,
// "PATH: A : B" (PATH the criterion's names from the root joined by "/"), whose
// cells hold the ratio of A to B as the ratio dialog writes it ("3:1", "1:5",
// "1") or nothing for a pair that participant leaves blank. The participants
// replace the model's; every criterion a column names gets their judgements (the
// pairs no column names are blank for all). Anything that does not fit throws a
// format error naming the file, line and column; the model is then unchanged.
// ReadSurvey, refused when the group's judgements leave a matrix's pairs apart
// (CheckGroupDetermines), then the group is the model's.
void ImportSurvey(TModel &model, const QByteArray &csv, const QString &path);
// "Anketa »/pot/anketa.csv«": where a refusal of the survey's answers comes from.
QString SurveyPlace(const QString &path);
// Answers merged into the model's group, without changing the model: each
// answer's participant is added (with the answer's weight), or takes the place
// of the participant of that name (whose weight stays), their judgements those
// of the answer (a matrix it does not name: none); the others stay as they are.
// Every file is read whole first: a fault in any names its file, line and column.
TGroup MergeAnswers(const TModel &model, const std::vector<std::pair<QString, QByteArray>> &answers);
// The survey read, without changing the model (the window makes it one edit).
TGroup ReadSurvey(const TModel &model, const QByteArray &csv, const QString &path);
