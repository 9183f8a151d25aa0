#include "storage/ModelExtras.h"
#include "model/Group.h"
#include "storage/RatingScaleJson.h"

#include <QCoreApplication>

#include "matrix/Completion.h"
#include "matrix/GroupJudgement.h"
#include "matrix/KalvoError.h"
#include "model/Model.h"
#include "model/NodePath.h"

#include "matrix/Conversions.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

const QString Format = QStringLiteral("kalvo-model-extras");

QByteArray Document(const QJsonArray &criteria, const QJsonArray &participants = QJsonArray(), bool ideal = false,
                    const QString &groupMethod = QString())
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), Format);
    root.insert(QStringLiteral("version"), 1);
    if (ideal)
        root.insert(QStringLiteral("mode"), QStringLiteral("ideal"));
    if (!groupMethod.isEmpty())
        root.insert(QStringLiteral("group_method"), groupMethod);
    if (!participants.isEmpty())
        root.insert(QStringLiteral("participants"), participants);
    root.insert(QStringLiteral("criteria"), criteria);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

EKalvoError Damaged(const QString &path, const QString &what)
{
    return EKalvoError(EKalvoError::ekFormat, QCoreApplication::translate("Kalvo", "Datoteka »%1« je poškodovana: %2")
                                                  .arg(QFileInfo(path).absoluteFilePath(), what));
}

} // namespace

QByteArray EncodeExtras(const TModel &model)
{
    QJsonArray criteria;
    const auto nodes = model.Tree.Nodes();
    for (size_t k = 0; k < nodes.size(); ++k) {
        const TMatrix *m = nodes[k]->Matrix.get();
        if (m && m->IsRatings() && !nodes[k]->HasChildren()) {
            // The scale and the ratings, which the .MAT holds only as the ideal values.
            QJsonObject entry{{QStringLiteral("index"), int(k)}, {QStringLiteral("path"), NodePath(nodes[k])}};
            InsertRatingScale(entry, *m);
            criteria.append(entry);
            continue;
        }
        const bool group = m && m->Kind == ckRelative && !m->Judges.empty() && !model.Participants.empty();
        if (!m || (!HasBlankPairs(*m) && !group))
            continue;
        QJsonArray blank;
        for (int r = 0; r < m->Order; ++r)
            for (int c = r + 1; c < m->Order; ++c)
                if (IsBlankPair(*m, r, c))
                    blank.append(QJsonArray{r + 1, c + 1});
        QJsonObject entry{{QStringLiteral("index"), int(k)},
                          {QStringLiteral("path"), NodePath(nodes[k])},
                          {QStringLiteral("blank"), blank}};
        if (group) {
            QJsonArray judgements;
            for (size_t p = 0; p < m->Judges.size() && p < model.Participants.size(); ++p) {
                QJsonArray ratios;
                for (int c = 0; c < m->Order; ++c)
                    for (int r = 0; r < m->Order; ++r)
                        ratios.append(m->Judges[p][size_t(c)][size_t(r)]);
                judgements.append(QJsonObject{{QStringLiteral("participant"), int(p)},
                                              {QStringLiteral("ratios"), ratios}});
            }
            entry.insert(QStringLiteral("judgements"), judgements);
        }
        criteria.append(entry);
    }
    if (criteria.isEmpty() && model.Participants.empty() && !model.IdealMode)
        return QByteArray();
    const QString groupMethod = model.GroupMethod == TGroupMethod::Aij || model.Participants.empty()
        ? QString() : GroupMethodName(model.GroupMethod);
    QJsonArray participants;
    for (const TParticipant &participant : model.Participants)
        participants.append(QJsonObject{{QStringLiteral("name"), participant.Name},
                                        {QStringLiteral("weight"), participant.Weight}});
    return Document(criteria, participants, model.IdealMode, groupMethod);
}

QByteArray EmptyExtras()
{
    return Document(QJsonArray());
}

bool IsExtras(const QByteArray &bytes)
{
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    return document.isObject() && document.object().value(QStringLiteral("format")).toString() == Format;
}

QStringList ApplyExtras(TModel &model, const QByteArray &bytes, const QString &path)
{
    QStringList notes;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw Damaged(path, QCoreApplication::translate("Kalvo", "%1 (znak %2)").arg(error.errorString()).arg(error.offset + 1));
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != Format)
        throw Damaged(path, QCoreApplication::translate("Kalvo", "ni dodatek modela Kalvo (\"format\": \"%1\").").arg(Format));
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != 1.0)
        throw Damaged(path, QCoreApplication::translate("Kalvo", "različica %1 ni znana (ta program bere različico 1).")
                                .arg(version.toVariant().toString()));
    const QJsonValue mode = root.value(QStringLiteral("mode"));
    if (!mode.isUndefined() && mode != QJsonValue(QStringLiteral("ideal")) && mode != QJsonValue(QStringLiteral("distributive")))
        throw Damaged(path, QCoreApplication::translate("Kalvo", "\"mode\" ni \"distributive\" ali \"ideal\"."));
    const QJsonValue groupMethod = root.value(QStringLiteral("group_method"));
    if (!groupMethod.isUndefined() && !GroupMethodNamed(groupMethod.toString()))
        throw Damaged(path, QCoreApplication::translate("Kalvo", "\"group_method\" ni \"aij\", \"aip\" ali \"aip-arithmetic\"."));
    const QJsonValue criteria = root.value(QStringLiteral("criteria"));
    if (!criteria.isUndefined() && !criteria.isArray())
        throw Damaged(path, QCoreApplication::translate("Kalvo", "\"criteria\" ni seznam."));
    const QJsonValue people = root.value(QStringLiteral("participants"));
    if (!people.isUndefined() && !people.isArray())
        throw Damaged(path, QCoreApplication::translate("Kalvo", "\"participants\" ni seznam."));
    std::vector<TParticipant> participants;
    const QJsonArray list = people.toArray();
    for (qsizetype p = 0; p < list.size(); ++p) {
        const QJsonObject person = list.at(p).toObject();
        const QJsonValue weight = person.value(QStringLiteral("weight"));
        if (person.value(QStringLiteral("name")).toString().trimmed().isEmpty()
            || (!weight.isUndefined() && !(weight.toDouble(-1) >= 0.0)))
            throw Damaged(path, QCoreApplication::translate("Kalvo", "participants[%1] nima imena ali pa ima negativno utež.").arg(p));
        participants.push_back({person.value(QStringLiteral("name")).toString(), weight.toDouble(1.0)});
    }
    model.Participants = participants;
    const auto nodes = model.Tree.Nodes();
    const QJsonArray entries = criteria.toArray();
    std::vector<std::pair<TCriterionNode *, std::unique_ptr<TMatrix>>> scales;   // put in once all is read
    for (qsizetype e = 0; e < entries.size(); ++e) {
        const QString where = QStringLiteral("criteria[%1]").arg(e);
        const QJsonObject entry = entries.at(e).toObject();
        const QJsonValue index = entry.value(QStringLiteral("index"));
        if (!entries.at(e).isObject() || !index.isDouble() || index.toDouble() != double(index.toInt(-1))
            || index.toInt() < 0)
            throw Damaged(path, QCoreApplication::translate("Kalvo", "%1.index ni pozicija kriterija.").arg(where));
        const QString nodePath = entry.value(QStringLiteral("path")).toString();
        TCriterionNode *node = size_t(index.toInt()) < nodes.size() ? nodes[size_t(index.toInt())] : nullptr;
        if (entry.contains(QStringLiteral("intensities"))) {
            // A ratings leaf: the .MAT holds a measured record of the solutions there.
            if (!node || NodePath(node) != nodePath || node->HasChildren() || !node->Matrix
                || node->Matrix->Kind != ckMoreIsBetter || node->Matrix->Order != model.SolutionCount()) {
                notes << QCoreApplication::translate("Kalvo", "Datoteka »%1«: %2 (»%3«) se ne ujema s kriterijem na tem mestu; "
                                                              "njegova lestvica ocen je izpuščena.")
                             .arg(QFileInfo(path).absoluteFilePath(), where, EKalvoError::Quote(nodePath));
                continue;
            }
            scales.emplace_back(node, ReadRatingScale(entry, model.SolutionCount(), where,
                                                      [&](const QString &place, const QString &what) {
                                                          return Damaged(path, place + QStringLiteral(": ") + what);
                                                      }));
            continue;
        }
        if (!node || NodePath(node) != nodePath || !node->Matrix || node->Matrix->Kind != ckRelative) {
            notes << (QCoreApplication::translate("Kalvo", "Datoteka »%1«: %2 (»%3«) se ne ujema s kriterijem na tem mestu; "
                                       "njegovi neprimerjani pari so izpuščeni.")
                            .arg(QFileInfo(path).absoluteFilePath(), where, EKalvoError::Quote(nodePath)));
            continue;
        }
        TMatrix &m = *node->Matrix;
        const QJsonArray blank = entry.value(QStringLiteral("blank")).toArray();
        for (qsizetype p = 0; p < blank.size(); ++p) {
            const QJsonArray pair = blank.at(p).toArray();
            const int r = pair.at(0).toInt(0), c = pair.at(1).toInt(0);
            if (pair.size() != 2 || r < 1 || c <= r || c > m.Order)
                throw Damaged(path, QCoreApplication::translate("Kalvo", "%1.blank[%2] ni par postavk r < c med 1 in %3.")
                                        .arg(where).arg(p).arg(m.Order));
            m.Ratios[size_t(c - 1)][size_t(r - 1)].clear();
            m.Ratios[size_t(r - 1)][size_t(c - 1)].clear();
        }
        // Each participant's texts, column by column as in the .MAT; a participant
        // without an entry has judged nothing here.
        const QJsonArray judgements = entry.value(QStringLiteral("judgements")).toArray();
        if (judgements.isEmpty())
            continue;
        if (participants.empty())
            throw Damaged(path, QCoreApplication::translate("Kalvo", "%1.judgements: udeleženci niso našteti (\"participants\").")
                                    .arg(where));
        const size_t n = size_t(m.Order);
        m.Judges.assign(participants.size(), UnjudgedTexts(n));
        for (qsizetype j = 0; j < judgements.size(); ++j) {
            const QJsonObject judgement = judgements.at(j).toObject();
            const int p = judgement.value(QStringLiteral("participant")).toInt(-1);
            const QJsonArray ratios = judgement.value(QStringLiteral("ratios")).toArray();
            if (p < 0 || size_t(p) >= participants.size() || size_t(ratios.size()) != n * n)
                throw Damaged(path, QCoreApplication::translate("Kalvo", "%1.judgements[%2] ne ustreza udeležencu ali redu matrike %3.")
                                        .arg(where).arg(j).arg(m.Order));
            for (size_t k = 0; k < n * n; ++k) {
                const QJsonValue text = ratios.at(qsizetype(k));
                if (!text.isString())
                    throw Damaged(path, QCoreApplication::translate("Kalvo", "%1.judgements[%2].ratios[%3] ni besedilo razmerja.")
                                            .arg(where).arg(j).arg(k));
                m.Judges[size_t(p)][k / n][k % n] = text.toString();
            }
            // As the ratio dialog writes them: 1 on the diagonal, a ratio and its
            // reciprocal in each pair, or the pair blank both ways.
            const TJudgeTexts &texts = m.Judges[size_t(p)];
            for (size_t c = 0; c < n; ++c)
                for (size_t r = 0; r < n; ++r) {
                    const QString &cell = texts[c][r], &mirror = texts[r][c];
                    const QString place = QStringLiteral("%1.judgements[%2].ratios[%3]").arg(where).arg(j).arg(c * n + r);
                    if (!IsJudgementPair(cell, mirror, r == c))
                        throw Damaged(path, QCoreApplication::translate("Kalvo", "%1: »%2« ni sodba, kot jo zapiše okno razmerja "
                                                                                 "(1 na diagonali, razmerje in obratna vrednost v paru "
                                                                                 "ali par prazen v obe smeri).")
                                                .arg(place, EKalvoError::Quote(cell)));
                }
        }
    }
    for (auto &[node, scale] : scales)
        node->Matrix = std::move(scale);
    model.IdealMode = mode == QJsonValue(QStringLiteral("ideal"));
    model.GroupMethod = GroupMethodNamed(groupMethod.toString()).value_or(TGroupMethod::Aij);
    return notes;
}
