#include "storage/SurveyImport.h"

#include <QCoreApplication>

#include "matrix/Conversions.h"
#include "matrix/GroupJudgement.h"
#include "matrix/KalvoError.h"
#include "model/Model.h"
#include "model/NodePath.h"

#include <QFileInfo>
#include <QStringConverter>

#include <map>

namespace {

// One record of the CSV (fields may be quoted, with "" for a quote inside).
QStringList Fields(const QString &line, QChar separator)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar ch = line.at(i);
        if (quoted) {
            if (ch == QLatin1Char('"') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"'))
                field += ch, ++i;
            else if (ch == QLatin1Char('"'))
                quoted = false;
            else
                field += ch;
        } else if (ch == QLatin1Char('"')) {
            quoted = true;
        } else if (ch == separator) {
            fields << field.trimmed();
            field.clear();
        } else {
            field += ch;
        }
    }
    fields << field.trimmed();
    return fields;
}

struct TPairColumn
{
    TCriterionNode *Node = nullptr;
    int Row = 0, Col = 0;   // items of the pair, from 0
};

} // namespace

TGroup ReadSurvey(const TModel &model, const QByteArray &csv, const QString &path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    auto fault = [&](qsizetype line, const QString &column, const QString &what) {
        return EKalvoError(EKalvoError::ekFormat, QCoreApplication::translate("Kalvo", "Datoteka »%1«, vrstica %2%3: %4")
                                                      .arg(file).arg(line)
                                                      .arg(column.isEmpty() ? QString() : QCoreApplication::translate("Kalvo", ", stolpec »%1«").arg(EKalvoError::Quote(column)))
                                                      .arg(what));
    };
    auto decode = QStringDecoder(QStringDecoder::Utf8);
    QString text = decode(csv);
    if (decode.hasError())
        throw fault(1, QString(), QCoreApplication::translate("Kalvo", "besedilo ni v kodiranju UTF-8."));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        throw fault(1, QString(), QCoreApplication::translate("Kalvo", "ni glave."));
    const QChar separator = lines.first().count(QLatin1Char(';')) >= lines.first().count(QLatin1Char(','))
                                ? QLatin1Char(';') : QLatin1Char(',');
    const QStringList header = Fields(lines.first(), separator);

    int nameColumn = -1, weightColumn = -1;
    std::map<int, TPairColumn> pairs;
    for (int k = 0; k < header.size(); ++k) {
        const QString &title = header.at(k);
        if (title.compare(QStringLiteral("Ime"), Qt::CaseInsensitive) == 0) {
            nameColumn = k;
            continue;
        }
        if (title.compare(QStringLiteral("Utež"), Qt::CaseInsensitive) == 0) {
            weightColumn = k;
            continue;
        }
        const qsizetype colon = title.indexOf(QStringLiteral(": "));
        const QStringList items = colon < 0 ? QStringList() : title.mid(colon + 2).split(QStringLiteral(" : "));
        TCriterionNode *node = colon < 0 ? nullptr : FindNode(model.Tree, title.left(colon));
        if (!node || items.size() != 2)
            throw fault(1, title, QCoreApplication::translate("Kalvo", "ni stolpec oblike »pot kriterija: A : B« za kriterij modela."));
        if (!node->Matrix || node->Matrix->Kind != ckRelative)
            throw fault(1, title, QCoreApplication::translate("Kalvo", "kriterij ne primerja po parih."));
        const QStringList names = model.ItemNames(node);
        const int a = int(names.indexOf(items.at(0))), b = int(names.indexOf(items.at(1)));
        if (a < 0 || b < 0 || a == b)
            throw fault(1, title, QCoreApplication::translate("Kalvo", "kriterij nima dveh različnih postavk s temi imeni."));
        pairs[k] = {node, a, b};
    }
    if (nameColumn < 0)
        throw fault(1, QString(), QCoreApplication::translate("Kalvo", "ni stolpca »Ime«."));

    // Everything is read into copies first: a fault anywhere changes nothing.
    std::vector<TParticipant> participants;
    std::map<const TCriterionNode *, std::vector<TJudgeTexts>> judges;
    for (const auto &[column, pair] : pairs)
        judges.try_emplace(pair.Node);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty())
            continue;
        const QStringList row = Fields(lines.at(i), separator);
        const QString name = row.value(nameColumn);
        if (name.isEmpty())
            throw fault(i + 1, header.at(nameColumn), QCoreApplication::translate("Kalvo", "ime udeleženca je prazno."));
        double weight = 1.0;
        if (weightColumn >= 0 && !row.value(weightColumn).isEmpty()) {
            QString number = row.value(weightColumn);
            number.replace(QLatin1Char(','), DecimalSeparator()).replace(QLatin1Char('.'), DecimalSeparator());
            bool ok = IsFloat(number);
            weight = ok ? StrToFloat(number) : -1.0;
            if (!(weight >= 0.0))
                throw fault(i + 1, header.at(weightColumn), QCoreApplication::translate("Kalvo", "utež mora biti število, vsaj 0."));
        }
        participants.push_back({name, weight});
        for (auto &[node, list] : judges) {
            list.push_back(UnjudgedTexts(size_t(node->Matrix->Order)));
        }
        for (const auto &[column, pair] : pairs) {
            const QString answer = row.value(column);
            if (answer.isEmpty())
                continue;   // not part of this participant's say
            TRatio ratio;
            try {
                ratio = ParseRatio(answer);
                if (ratio.Numerator <= 0 || ratio.Denominator <= 0)
                    throw EKalvoError::invalidOp();
            } catch (const EKalvoError &) {
                throw fault(i + 1, header.at(column),
                            QCoreApplication::translate("Kalvo", "»%1« ni razmerje (na primer 3:1 ali 1:5).").arg(EKalvoError::Quote(answer)));
            }
            // Written as the ratio dialog writes them, so that both cells agree.
            const bool equal = ratio.Numerator == ratio.Denominator;
            TJudgeTexts &texts = judges[pair.Node].back();
            texts[size_t(pair.Col)][size_t(pair.Row)] =
                equal ? QStringLiteral("1") : QStringLiteral("%1:%2").arg(ratio.Numerator).arg(ratio.Denominator);
            texts[size_t(pair.Row)][size_t(pair.Col)] =
                equal ? QStringLiteral("1") : QStringLiteral("%1:%2").arg(ratio.Denominator).arg(ratio.Numerator);
        }
    }
    if (participants.empty())
        throw fault(2, QString(), QCoreApplication::translate("Kalvo", "ni nobenega udeleženca."));
    TGroup group;
    group.Participants = std::move(participants);
    for (auto &[node, list] : judges)
        group.Judges.emplace_back(TCriteriaTree::IndexPath(node), std::move(list));
    return group;
}

QString SurveyPlace(const QString &path)
{
    return QCoreApplication::translate("Kalvo", "Anketa »%1«").arg(QFileInfo(path).absoluteFilePath());
}

void ImportSurvey(TModel &model, const QByteArray &csv, const QString &path)
{
    const TGroup group = ReadSurvey(model, csv, path);
    WithContext([&] { return SurveyPlace(path); }, [&] { CheckGroupDetermines(model, group); });
    SetGroup(model, group);
}
