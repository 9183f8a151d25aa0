#include "storage/RatingScaleJson.h"

#include "matrix/Conversions.h"
#include "matrix/Matrix.h"

#include <QJsonArray>

#include <cmath>

void InsertRatingScale(QJsonObject &holder, const TMatrix &scale)
{
    const bool direct = scale.Kind != ckRelative;
    QJsonArray intensities, ratios, ratings;
    for (qint32 i = 0; i < scale.Order; ++i)
        intensities.append(QJsonObject{
            {QStringLiteral("name"), scale.Scale->Intensities[size_t(i)]},
            {QStringLiteral("value"), direct ? QJsonValue(StrToFloat(scale.AbsoluteValues[size_t(i)])) : QJsonValue()}});
    for (qint32 r = 0; r < scale.Order && !direct; ++r) {
        QJsonArray row;
        for (qint32 c = 0; c < scale.Order; ++c)
            row.append(scale.Ratios[size_t(c)][size_t(r)]);
        ratios.append(row);
    }
    for (qint32 rating : scale.Scale->Ratings)
        ratings.append(rating < 0 ? QJsonValue() : QJsonValue(rating));
    holder.insert(QStringLiteral("intensities"), intensities);
    if (!direct)
        holder.insert(QStringLiteral("intensity_ratios"), ratios);
    holder.insert(QStringLiteral("ratings"), ratings);
}

std::unique_ptr<TMatrix> ReadRatingScale(const QJsonObject &holder, int solutions, const QString &where,
                                         const TScaleFault &fault)
{
    const QJsonValue list = holder.value(QStringLiteral("intensities"));
    if (!list.isArray() || list.toArray().size() < 2)
        throw fault(where + QStringLiteral(".intensities"), QStringLiteral("a scale has at least two intensities"));
    const QJsonArray intensities = list.toArray();
    const int k = int(intensities.size());
    const QJsonValue first = intensities.at(0).toObject().value(QStringLiteral("value"));
    const bool direct = !first.isNull() && !first.isUndefined();
    auto scale = std::make_unique<TMatrix>(k, direct ? ckMoreIsBetter : ckRelative);
    scale->Scale = TRatingScale();
    for (int i = 0; i < k; ++i) {
        const QString place = where + QStringLiteral(".intensities[%1]").arg(i);
        const QJsonObject intensity = intensities.at(i).toObject();
        const QJsonValue name = intensity.value(QStringLiteral("name"));
        if (!intensities.at(i).isObject() || !name.isString() || name.toString().trimmed().isEmpty())
            throw fault(place + QStringLiteral(".name"), QStringLiteral("an intensity has a name"));
        scale->Scale->Intensities.push_back(name.toString());
        const QJsonValue value = intensity.value(QStringLiteral("value"));
        if (direct && !(value.isDouble() && value.toDouble() > 0.0 && std::isfinite(value.toDouble())))
            throw fault(place + QStringLiteral(".value"), QStringLiteral("not a direct value above 0 (all or none are given)"));
        if (!direct && !value.isNull() && !value.isUndefined())
            throw fault(place + QStringLiteral(".value"), QStringLiteral("null: the intensities are compared (all or none are given)"));
        if (direct)
            scale->AbsoluteValues[size_t(i)] = QString::number(value.toDouble(), 'g', 17).replace(QLatin1Char('.'), DecimalSeparator());
    }
    if (!direct) {
        const QJsonArray rows = holder.value(QStringLiteral("intensity_ratios")).toArray();
        if (rows.size() != k)
            throw fault(where + QStringLiteral(".intensity_ratios"), QStringLiteral("not %1 rows of ratio texts").arg(k));
        for (int r = 0; r < k; ++r) {
            const QJsonArray row = rows.at(r).toArray();
            if (row.size() != k)
                throw fault(where + QStringLiteral(".intensity_ratios[%1]").arg(r), QStringLiteral("not %1 ratio texts").arg(k));
            for (int c = 0; c < k; ++c) {
                if (!row.at(c).isString())
                    throw fault(where + QStringLiteral(".intensity_ratios[%1][%2]").arg(r).arg(c), QStringLiteral("not a ratio text"));
                scale->Ratios[size_t(c)][size_t(r)] = row.at(c).toString();
            }
        }
        for (int r = 0; r < k; ++r)
            for (int c = 0; c < k; ++c) {
                const QString &cell = scale->Ratios[size_t(c)][size_t(r)], &mirror = scale->Ratios[size_t(r)][size_t(c)];
                if (!IsJudgementPair(cell, mirror, r == c))
                    throw fault(where + QStringLiteral(".intensity_ratios[%1][%2]").arg(r).arg(c),
                                QStringLiteral("\"%1\" is no judgement (1 on the diagonal, a ratio and its reciprocal, "
                                               "or the pair blank both ways)").arg(cell));
            }
    }
    const QJsonValue ratings = holder.value(QStringLiteral("ratings"));
    if (!ratings.isArray() || ratings.toArray().size() != solutions)
        throw fault(where + QStringLiteral(".ratings"), QStringLiteral("not one rating per solution (%1)").arg(solutions));
    const QJsonArray each = ratings.toArray();
    for (int s = 0; s < solutions; ++s) {
        const QJsonValue rating = each.at(s);
        if (rating.isNull()) {
            scale->Scale->Ratings.push_back(-1);
            continue;
        }
        if (!rating.isDouble() || rating.toDouble() != double(rating.toInt(-1)) || rating.toInt() < 0 || rating.toInt() >= k)
            throw fault(where + QStringLiteral(".ratings[%1]").arg(s), QStringLiteral("not an intensity's index (0 to %1) or null").arg(k - 1));
        scale->Scale->Ratings.push_back(rating.toInt());
    }
    return scale;
}
