#include "storage/ModelExtras.h"

#include "matrix/Completion.h"
#include "matrix/KalvoError.h"
#include "matrix/Messages.h"
#include "model/Model.h"
#include "model/NodePath.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString Format = QStringLiteral("kalvo-model-extras");

QByteArray Document(const QJsonArray &criteria)
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), Format);
    root.insert(QStringLiteral("version"), 1);
    root.insert(QStringLiteral("criteria"), criteria);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

EKalvoError Damaged(const QString &path, const QString &what)
{
    return EKalvoError(EKalvoError::ekFormat, QStringLiteral("Datoteka »%1« je poškodovana: %2")
                                                  .arg(QFileInfo(path).absoluteFilePath(), what));
}

} // namespace

QByteArray EncodeExtras(const TModel &model)
{
    QJsonArray criteria;
    const auto nodes = model.Tree.Nodes();
    for (size_t k = 0; k < nodes.size(); ++k) {
        const TMatrix *m = nodes[k]->Matrix.get();
        if (!m || !HasBlankPairs(*m))
            continue;
        QJsonArray blank;
        for (int r = 0; r < m->Order; ++r)
            for (int c = r + 1; c < m->Order; ++c)
                if (IsBlankPair(*m, r, c))
                    blank.append(QJsonArray{r + 1, c + 1});
        criteria.append(QJsonObject{{QStringLiteral("index"), int(k)},
                                    {QStringLiteral("path"), NodePath(nodes[k])},
                                    {QStringLiteral("blank"), blank}});
    }
    return criteria.isEmpty() ? QByteArray() : Document(criteria);
}

QByteArray EmptyExtras()
{
    return Document(QJsonArray());
}

void ApplyExtras(TModel &model, const QByteArray &bytes, const QString &path)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw Damaged(path, QStringLiteral("%1 (znak %2)").arg(error.errorString()).arg(error.offset + 1));
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != Format)
        throw Damaged(path, QStringLiteral("ni dodatek modela Kalvo (\"format\": \"%1\").").arg(Format));
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != 1.0)
        throw Damaged(path, QStringLiteral("različica %1 ni znana (ta program bere različico 1).")
                                .arg(version.toVariant().toString()));
    const QJsonValue criteria = root.value(QStringLiteral("criteria"));
    if (!criteria.isUndefined() && !criteria.isArray())
        throw Damaged(path, QStringLiteral("\"criteria\" ni seznam."));
    const auto nodes = model.Tree.Nodes();
    const QJsonArray entries = criteria.toArray();
    for (qsizetype e = 0; e < entries.size(); ++e) {
        const QString where = QStringLiteral("criteria[%1]").arg(e);
        const QJsonObject entry = entries.at(e).toObject();
        const QJsonValue index = entry.value(QStringLiteral("index"));
        if (!entries.at(e).isObject() || !index.isDouble() || index.toDouble() != double(index.toInt(-1))
            || index.toInt() < 0)
            throw Damaged(path, QStringLiteral("%1.index ni pozicija kriterija.").arg(where));
        const QString nodePath = entry.value(QStringLiteral("path")).toString();
        TCriterionNode *node = size_t(index.toInt()) < nodes.size() ? nodes[size_t(index.toInt())] : nullptr;
        if (!node || NodePath(node) != nodePath || !node->Matrix || node->Matrix->Kind != ckRelative) {
            ShowMessage(QStringLiteral("Datoteka »%1«: %2 (»%3«) se ne ujema s kriterijem na tem mestu; "
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
                throw Damaged(path, QStringLiteral("%1.blank[%2] ni par postavk r < c med 1 in %3.")
                                        .arg(where).arg(p).arg(m.Order));
            m.Ratios[size_t(c - 1)][size_t(r - 1)].clear();
            m.Ratios[size_t(r - 1)][size_t(c - 1)].clear();
        }
    }
}
