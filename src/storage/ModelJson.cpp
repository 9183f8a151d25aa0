#include "storage/ModelJson.h"
#include "model/Group.h"
#include "storage/RatingScaleJson.h"

#include "matrix/Conversions.h"
#include "matrix/KalvoError.h"
#include "model/Model.h"
#include "storage/JsonDuplicates.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

const QString Format = QStringLiteral("kalvo-model");

// Rows of texts from the column-major cells the matrix keeps.
QJsonArray Rows(const TJudgeTexts &columns, int order)
{
    QJsonArray rows;
    for (int r = 0; r < order; ++r) {
        QJsonArray row;
        for (int c = 0; c < order; ++c)
            row.append(columns[size_t(c)][size_t(r)]);
        rows.append(row);
    }
    return rows;
}

EKalvoError Fault(const QString &where, const QString &what)
{
    return EKalvoError(EKalvoError::ekFormat, QStringLiteral("%1: %2").arg(where, what));
}

QString Text(const QJsonValue &value, const QString &where)
{
    if (!value.isString())
        throw Fault(where, QStringLiteral("not a text"));
    return value.toString();
}

// A name as the files can hold it: on one line, not starting with a blank or a
// TAB (which the outline reads as depth).
QString Name(const QJsonValue &value, const QString &where)
{
    const QString name = Text(value, where);
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')))
        throw Fault(where, QStringLiteral("a name must be on one line"));
    if (name.startsWith(QLatin1Char(' ')) || name.startsWith(QLatin1Char('\t')))
        throw Fault(where, QStringLiteral("a name must not start with a blank or a TAB"));
    return name;
}

QJsonArray Array(const QJsonValue &value, const QString &where)
{
    if (!value.isArray())
        throw Fault(where, QStringLiteral("not a list"));
    return value.toArray();
}

// n x n ratio texts, row by row, into the matrix's column-major cells; "" only
// as a blank pair (both ways). A participant's judgements are reciprocal as the
// ratio dialog writes them; a model's own ratios may disagree, as its .MAT may.
TJudgeTexts Ratios(const QJsonValue &value, int order, const QString &where, bool reciprocal = false)
{
    const QJsonArray rows = Array(value, where);
    if (rows.size() != order)
        throw Fault(where, QStringLiteral("%1 rows, not %2").arg(rows.size()).arg(order));
    auto columns = TJudgeTexts(size_t(order), std::vector<QString>(size_t(order)));
    for (int r = 0; r < order; ++r) {
        const QString rowPlace = QStringLiteral("%1[%2]").arg(where).arg(r);
        const QJsonArray row = Array(rows.at(r), rowPlace);
        if (row.size() != order)
            throw Fault(rowPlace, QStringLiteral("%1 cells, not %2").arg(row.size()).arg(order));
        for (int c = 0; c < order; ++c) {
            const QString place = QStringLiteral("%1[%2]").arg(rowPlace).arg(c);
            const QString text = Text(row.at(c), place);
            if (!text.isEmpty()) {
                double value = 0.0;
                try {
                    value = RatioToFloat(text);
                } catch (const EKalvoError &) {
                }
                if (!(value > 0.0) || !std::isfinite(value))
                    throw Fault(place, QStringLiteral("not a ratio"));
                if (r == c && value != 1.0)
                    throw Fault(place, QStringLiteral("the diagonal is 1"));
            }
            columns[size_t(c)][size_t(r)] = text;
        }
    }
    for (int r = 0; r < order; ++r)
        for (int c = 0; c < order; ++c) {
            const QString &text = columns[size_t(c)][size_t(r)], &mirror = columns[size_t(r)][size_t(c)];
            if (text.isEmpty() && (r == c || !mirror.isEmpty()))
                throw Fault(QStringLiteral("%1[%2][%3]").arg(where).arg(r).arg(c),
                            r == c ? QStringLiteral("the diagonal cannot be blank")
                                   : QStringLiteral("a blank pair is blank both ways"));
            if (reciprocal && r < c && !text.isEmpty()
                && std::fabs(RatioToFloat(text) * RatioToFloat(mirror) - 1.0) > 1e-9)
                throw Fault(QStringLiteral("%1[%2][%3]").arg(where).arg(r).arg(c),
                            QStringLiteral("not the reciprocal of [%1][%2]").arg(c).arg(r));
        }
    return columns;
}

// A measured value: a number above 0 (a text in the locale's form, or a JSON number).
QString Value(const QJsonValue &value, const QString &where)
{
    if (value.isDouble()) {
        if (!(value.toDouble() > 0.0) || !std::isfinite(value.toDouble()))
            throw Fault(where, QStringLiteral("not a number above 0"));
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    }
    const QString text = Text(value, where);
    if (!IsFloat(text))
        throw Fault(where, QStringLiteral("not a number"));
    const double number = StrToFloat(text);
    if (!(number > 0.0) || text.trimmed().startsWith(QLatin1Char('-')))
        throw Fault(where, QStringLiteral("not a number above 0"));
    return text;
}

int Level(const QJsonValue &value, int previous, const QString &where)
{
    const double level = value.toDouble(-1.0);
    if (!value.isDouble() || level != double(int(level)) || level < 0)
        throw Fault(where, QStringLiteral("not a level (0, 1, 2, ...)"));
    if (previous < 0 ? level != 0 : level > previous + 1)
        throw Fault(where, previous < 0 ? QStringLiteral("the first criterion is a root (level 0)")
                                        : QStringLiteral("more than one level below the criterion before it"));
    if (previous >= 0 && level == 0)
        throw Fault(where, QStringLiteral("a model has one root (level 0)"));
    return int(level);
}

// A key that does not belong to the criterion's kind says something that would be lost.
void Refuse(const QJsonObject &entry, const QStringList &keys, const QString &where, const QString &why)
{
    for (const QString &key : keys)
        if (entry.contains(key))
            throw Fault(where + QLatin1Char('.') + key, why);
}

void ReadCriterion(TModel &model, const QJsonObject &entry, TCriterionNode *node, const QString &where)
{
    const QJsonValue kindValue = entry.value(QStringLiteral("kind"));
    if (kindValue.isNull() || kindValue.isUndefined()) {
        Refuse(entry, {QStringLiteral("ratios"), QStringLiteral("values"), QStringLiteral("judgements")}, where,
               QStringLiteral("a criterion without a kind compares nothing"));
        return;
    }
    if (kindValue == QJsonValue(QStringLiteral("ratings"))) {
        Refuse(entry, {QStringLiteral("ratios"), QStringLiteral("values"), QStringLiteral("judgements")}, where,
               QStringLiteral("a ratings criterion has intensities and ratings instead"));
        node->Matrix = ReadRatingScale(entry, model.SolutionCount(), where,
                                       [](const QString &place, const QString &what) { return Fault(place, what); });
        return;
    }
    Refuse(entry, {QStringLiteral("intensities"), QStringLiteral("intensity_ratios"), QStringLiteral("ratings")}, where,
           QStringLiteral("only a ratings criterion has intensities and ratings"));
    const std::optional<TCriterionKind> kind = KindNamed(kindValue.toString());
    if (!kind)
        throw Fault(where + QStringLiteral(".kind"), QStringLiteral("not relative, less_is_better, more_is_better or ratings"));
    if (*kind == ckRelative) {
        Refuse(entry, {QStringLiteral("values")}, where, QStringLiteral("a criterion of ratios has no measured values"));
        const QString place = where + QStringLiteral(".ratios");
        const int order = int(Array(entry.value(QStringLiteral("ratios")), place).size());
        if (order > MaxRelativeOrder)
            throw Fault(place, TooLargeMessage(order));
        auto m = std::make_unique<TMatrix>(order, ckRelative);
        m->Ratios = Ratios(entry.value(QStringLiteral("ratios")), order, place);
        const QJsonValue judgements = entry.value(QStringLiteral("judgements"));
        if (!judgements.isUndefined()) {
            const QString at = where + QStringLiteral(".judgements");
            const QJsonArray each = Array(judgements, at);
            if (size_t(each.size()) != model.Participants.size())
                throw Fault(at, QStringLiteral("%1 participants' judgements, not %2")
                                    .arg(each.size()).arg(model.Participants.size()));
            for (qsizetype p = 0; p < each.size(); ++p)
                m->Judges.push_back(Ratios(each.at(p), order, QStringLiteral("%1[%2]").arg(at).arg(p), true));
        }
        node->Matrix = std::move(m);
        return;
    }
    Refuse(entry, {QStringLiteral("ratios"), QStringLiteral("judgements")}, where,
           QStringLiteral("a criterion of measured values has no ratios or judgements"));
    const QString place = where + QStringLiteral(".values");
    const QJsonArray values = Array(entry.value(QStringLiteral("values")), place);
    auto m = std::make_unique<TMatrix>(int(values.size()), *kind);
    for (qsizetype i = 0; i < values.size(); ++i)
        m->AbsoluteValues[size_t(i)] = Value(values.at(i), QStringLiteral("%1[%2]").arg(place).arg(i));
    node->Matrix = std::move(m);
}

} // namespace

QString KindName(TCriterionKind kind)
{
    switch (kind) {
    case ckRelative: return QStringLiteral("relative");
    case ckLessIsBetter: return QStringLiteral("less_is_better");
    case ckMoreIsBetter: return QStringLiteral("more_is_better");
    }
    return QString::number(qint32(kind));
}

std::optional<TCriterionKind> KindNamed(const QString &name)
{
    for (TCriterionKind kind : {ckRelative, ckLessIsBetter, ckMoreIsBetter})
        if (KindName(kind) == name)
            return kind;
    return std::nullopt;
}

QByteArray ModelToJson(const TModel &model)
{
    QJsonArray criteria;
    for (const TCriterionNode *node : model.Tree.Nodes()) {
        QJsonObject entry{{QStringLiteral("name"), node->Name}, {QStringLiteral("level"), node->Depth()}};
        // As the files hold it: every matrix with the order of its items.
        std::unique_ptr<TMatrix> scratch;
        const TMatrix *m = node->Matrix ? &model.FittedMatrix(node, scratch) : nullptr;
        if (!m) {
            entry.insert(QStringLiteral("kind"), QJsonValue());
        } else if (m->IsRatings() && !node->HasChildren()) {
            entry.insert(QStringLiteral("kind"), QStringLiteral("ratings"));
            InsertRatingScale(entry, *m);
        } else if (m->Kind == ckRelative) {
            entry.insert(QStringLiteral("kind"), KindName(m->Kind));
            entry.insert(QStringLiteral("ratios"), Rows(m->Ratios, m->Order));
            if (!m->Judges.empty() && !model.Participants.empty()) {
                QJsonArray judgements;
                for (size_t p = 0; p < model.Participants.size(); ++p)
                    judgements.append(p < m->Judges.size() ? Rows(m->Judges[p], m->Order) : QJsonArray());
                entry.insert(QStringLiteral("judgements"), judgements);
            }
        } else {
            entry.insert(QStringLiteral("kind"), KindName(m->Kind));
            QJsonArray values;
            for (const QString &value : m->AbsoluteValues)
                values.append(value);
            entry.insert(QStringLiteral("values"), values);
        }
        criteria.append(entry);
    }
    QJsonArray solutions, participants;
    for (const TSolution &solution : model.Solutions)
        solutions.append(solution.Name);
    for (const TParticipant &participant : model.Participants)
        participants.append(QJsonObject{{QStringLiteral("name"), participant.Name},
                                        {QStringLiteral("weight"), participant.Weight}});
    return QJsonDocument(QJsonObject{{QStringLiteral("format"), Format},
                                     {QStringLiteral("version"), 1},
                                     {QStringLiteral("mode"), model.IdealMode ? QStringLiteral("ideal") : QStringLiteral("distributive")},
                                     {QStringLiteral("group_method"), GroupMethodName(model.Participants.empty()
                                                                                          ? TGroupMethod::Aij : model.GroupMethod)},
                                     {QStringLiteral("criteria"), criteria},
                                     {QStringLiteral("solutions"), solutions},
                                     {QStringLiteral("participants"), participants}})
        .toJson(QJsonDocument::Indented);
}

void ModelFromJson(TModel &model, const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw Fault(QStringLiteral("character %1").arg(error.offset + 1), error.errorString());
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != Format)
        throw Fault(QStringLiteral("format"), QStringLiteral("not \"%1\": not a Kalvo model").arg(Format));
    if (root.value(QStringLiteral("version")).toDouble() != 1.0)
        throw Fault(QStringLiteral("version"), QStringLiteral("only version 1 is known"));
    if (const TDuplicateKey twice = FirstDuplicateKey(bytes); !twice.Key.isEmpty())
        throw Fault(twice.Place.isEmpty() ? QStringLiteral("document") : twice.Place,
                    QStringLiteral("the key \"%1\" is given twice").arg(twice.Key));

    TModel built;
    built.Tree.DeleteAllNodes();
    const QJsonValue mode = root.value(QStringLiteral("mode"));
    if (!mode.isUndefined() && mode != QJsonValue(QStringLiteral("ideal")) && mode != QJsonValue(QStringLiteral("distributive")))
        throw Fault(QStringLiteral("mode"), QStringLiteral("neither \"distributive\" nor \"ideal\""));
    built.IdealMode = mode == QJsonValue(QStringLiteral("ideal"));
    const QJsonValue groupMethod = root.value(QStringLiteral("group_method"));
    if (!groupMethod.isUndefined() && !GroupMethodNamed(groupMethod.toString()))
        throw Fault(QStringLiteral("group_method"), QStringLiteral("not \"aij\", \"aip\" or \"aip-arithmetic\""));
    built.GroupMethod = GroupMethodNamed(groupMethod.toString()).value_or(TGroupMethod::Aij);
    const QJsonArray people = root.contains(QStringLiteral("participants"))
        ? Array(root.value(QStringLiteral("participants")), QStringLiteral("participants")) : QJsonArray();
    for (qsizetype p = 0; p < people.size(); ++p) {
        const QString where = QStringLiteral("participants[%1]").arg(p);
        const QJsonObject person = people.at(p).toObject();
        const QJsonValue weight = person.value(QStringLiteral("weight"));
        if (!weight.isUndefined() && !(weight.toDouble(-1.0) >= 0.0 && weight.toDouble() <= MaxParticipantWeight))
            throw Fault(where + QStringLiteral(".weight"),
                        QStringLiteral("not a weight from 0 to %1").arg(QString::number(MaxParticipantWeight, 'f', 0)));
        const QString name = Name(person.value(QStringLiteral("name")), where + QStringLiteral(".name"));
        if (name.trimmed().isEmpty())
            throw Fault(where + QStringLiteral(".name"), QStringLiteral("a participant has a name"));
        built.Participants.push_back({name, weight.toDouble(1.0)});
    }
    if (!built.Participants.empty()
        && std::all_of(built.Participants.begin(), built.Participants.end(), [](const TParticipant &p) { return p.Weight == 0.0; }))
        throw Fault(QStringLiteral("participants"), QStringLiteral("every weight is 0: nobody has a say"));
    const QJsonArray solutions = Array(root.value(QStringLiteral("solutions")), QStringLiteral("solutions"));
    for (qsizetype k = 0; k < solutions.size(); ++k)
        built.Solutions.push_back({Name(solutions.at(k), QStringLiteral("solutions[%1]").arg(k)), 0.0, QStringLiteral(" "), {}});
    built.MarkSolution(0);

    const QJsonArray criteria = Array(root.value(QStringLiteral("criteria")), QStringLiteral("criteria"));
    TCriterionNode *previous = nullptr;
    for (qsizetype i = 0; i < criteria.size(); ++i) {
        const QString where = QStringLiteral("criteria[%1]").arg(i);
        if (!criteria.at(i).isObject())
            throw Fault(where, QStringLiteral("not an object"));
        const QJsonObject entry = criteria.at(i).toObject();
        const int level = Level(entry.value(QStringLiteral("level")), previous ? previous->Depth() : -1,
                                where + QStringLiteral(".level"));
        TCriterionNode *parent = previous;
        while (parent && parent->Depth() >= level)
            parent = parent->Parent();
        previous = built.Tree.Append(level == 0 ? nullptr : parent,
                                     Name(entry.value(QStringLiteral("name")), where + QStringLiteral(".name")));
        ReadCriterion(built, entry, previous, where);
    }
    if (!previous)
        throw Fault(QStringLiteral("criteria"), QStringLiteral("a model has at least its root"));
    // Every matrix compares its items: its children, or the solutions for a leaf.
    const auto nodes = built.Tree.Nodes();
    for (size_t i = 0; i < nodes.size(); ++i) {
        const TMatrix *m = nodes[i]->Matrix.get();
        if (m && m->IsRatings() && nodes[i]->HasChildren())
            throw Fault(QStringLiteral("criteria[%1].kind").arg(i), QStringLiteral("a ratings criterion has no sub-criteria"));
        const int items = built.ItemCount(nodes[i]);
        if (m && m->Order != items)
            throw Fault(QStringLiteral("criteria[%1].%2").arg(i).arg(m->Kind == ckRelative ? QStringLiteral("ratios")
                                                                                          : QStringLiteral("values")),
                        QStringLiteral("%1 items, not %2 (%3)").arg(m->Order).arg(items)
                            .arg(nodes[i]->HasChildren() ? QStringLiteral("one per sub-criterion")
                                                         : QStringLiteral("one per solution")));
    }
    built.Tree.Select(built.Tree.FirstNode());
    model.Swap(built);
}
