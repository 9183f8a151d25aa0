#pragma once

#include <QByteArray>
#include <QString>

class TModel;

// A questionnaire for one participant: one self-contained HTML page (UTF-8, its
// style and script inline, nothing fetched) that asks every pair of every ratio
// matrix under the root (criteria and solutions; a ratings leaf's scale is the
// model's own and is not asked) on a
// 17-point scale from 9 on the left item's side through 1 to 9 on the right's,
// or "ne vem / ne primerjam". It is pre-filled with the participant's judgements
// where the model has them, counts the pairs answered, and saves the answers as
// one row of the survey format that import-survey reads. Names reach the page as
// JSON data put into the page as text, never as markup. english: the page's
// texts in English, else Slovenian. An empty participant: the page asks the name.
QByteArray QuestionnaireHtml(const TModel &model, const QString &participant, bool english);
