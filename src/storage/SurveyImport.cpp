#include "storage/SurveyImport.h"

#include <QCoreApplication>

#include "matrix/Conversions.h"
#include "matrix/GroupJudgement.h"
#include "matrix/KalvoError.h"
#include "model/Model.h"
#include "model/NodePath.h"

#include "storage/CsvRecords.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringConverter>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

struct TPairColumn
{
    TCriterionNode *Node = nullptr;
    int Row = 0, Col = 0;   // items of the pair, from 0
};

// An answer as the scale gives it: "3:1", "1:5", "1" (or "3/1"); positive whole numbers.
bool IsScaleAnswer(const QString &answer)
{
    static const QRegularExpression form(QStringLiteral("^\\s*[0-9]+\\s*([:/]\\s*[0-9]+\\s*)?$"));
    return form.match(answer).hasMatch();
}

bool HasControlCharacter(const QString &text)
{
    for (const QChar ch : text)
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f)
            return true;
    return false;
}

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
    if (text.contains(QChar(0)))
        throw fault(1, QString(), QCoreApplication::translate("Kalvo", "besedilo vsebuje znak NUL."));
    const QString firstLine = text.left(text.indexOf(QLatin1Char('\n')));
    const QChar separator = firstLine.count(QLatin1Char(';')) >= firstLine.count(QLatin1Char(',')) ? QLatin1Char(';')
                                                                                                 : QLatin1Char(',');
    std::vector<TCsvRecord> records;
    try {
        records = CsvRecords(text, separator);
    } catch (const EKalvoError &e) {
        throw EKalvoError(EKalvoError::ekFormat, QCoreApplication::translate("Kalvo", "Datoteka »%1«: %2").arg(file, e.message()));
    }
    // Empty lines between the rows are no participants.
    std::erase_if(records, [](const TCsvRecord &record) {
        return std::all_of(record.begin(), record.end(), [](const TCsvField &field) { return field.Text.isEmpty(); });
    });
    if (records.empty())
        throw fault(1, QString(), QCoreApplication::translate("Kalvo", "ni glave."));
    QStringList header;
    for (const TCsvField &field : records.front())
        header << field.Text;

    int nameColumn = -1, weightColumn = -1;
    std::map<int, TPairColumn> pairs;
    std::map<std::tuple<const TCriterionNode *, int, int>, QString> asked;   // each pair once, either way round
    for (int k = 0; k < header.size(); ++k) {
        const QString &title = header.at(k);
        if (header.indexOf(title) != k)
            throw fault(1, title, QCoreApplication::translate("Kalvo", "stolpec z istim imenom je že prej."));
        if (title.compare(QStringLiteral("Ime"), Qt::CaseInsensitive) == 0 || title.compare(QStringLiteral("Utež"), Qt::CaseInsensitive) == 0) {
            int &column = title.compare(QStringLiteral("Ime"), Qt::CaseInsensitive) == 0 ? nameColumn : weightColumn;
            if (column >= 0)
                throw fault(1, title, QCoreApplication::translate("Kalvo", "stolpec z istim imenom je že prej."));
            column = k;
            continue;
        }
        const qsizetype colon = title.indexOf(QStringLiteral(": "));
        const QStringList items = colon < 0 ? QStringList() : title.mid(colon + 2).split(QStringLiteral(" : "));
        TCriterionNode *node = colon < 0 ? nullptr : FindNode(model.Tree, title.left(colon));
        if (!node || items.size() != 2)
            throw fault(1, title, QCoreApplication::translate("Kalvo", "ni stolpec oblike »pot kriterija: A : B« za kriterij modela."));
        if (!node->Matrix || node->Matrix->Kind != ckRelative || node->Matrix->IsRatings())
            throw fault(1, title, QCoreApplication::translate("Kalvo", "kriterij ne primerja po parih."));
        const QStringList names = model.ItemNames(node);
        const int a = int(names.indexOf(items.at(0))), b = int(names.indexOf(items.at(1)));
        if (a < 0 || b < 0 || a == b)
            throw fault(1, title, QCoreApplication::translate("Kalvo", "kriterij nima dveh različnih postavk s temi imeni."));
        const auto key = std::make_tuple(static_cast<const TCriterionNode *>(node), std::min(a, b), std::max(a, b));
        if (const auto before = asked.find(key); before != asked.end())
            throw fault(1, title, QCoreApplication::translate("Kalvo", "ta par sprašuje že stolpec »%1«.").arg(EKalvoError::Quote(before->second)));
        asked[key] = title;
        pairs[k] = {node, a, b};
    }
    if (nameColumn < 0)
        throw fault(1, QString(), QCoreApplication::translate("Kalvo", "ni stolpca »Ime«."));

    // Everything is read into copies first: a fault anywhere changes nothing.
    std::vector<TParticipant> participants;
    std::map<QString, int> named;   // each name once, with its line
    std::map<const TCriterionNode *, std::vector<TJudgeTexts>> judges;
    for (const auto &[column, pair] : pairs)
        judges.try_emplace(pair.Node);
    for (size_t i = 1; i < records.size(); ++i) {
        const TCsvRecord &row = records[i];
        const int line = row.front().Line;
        if (row.size() > size_t(header.size()))
            throw fault(row[size_t(header.size())].Line, QString(),
                        QCoreApplication::translate("Kalvo", "polj je %1, glava pa jih ima %2.").arg(row.size()).arg(header.size()));
        auto at = [&](int column) { return size_t(column) < row.size() ? row[size_t(column)] : TCsvField{QString(), line}; };
        const TCsvField name = at(nameColumn);
        if (name.Text.trimmed().isEmpty())
            throw fault(name.Line, header.at(nameColumn), QCoreApplication::translate("Kalvo", "ime udeleženca je prazno."));
        if (HasControlCharacter(name.Text))
            throw fault(name.Line, header.at(nameColumn), QCoreApplication::translate("Kalvo", "ime vsebuje kontrolni znak."));
        if (const auto before = named.find(name.Text); before != named.end())
            throw fault(name.Line, header.at(nameColumn),
                        QCoreApplication::translate("Kalvo", "»%1« je že v vrstici %2.").arg(EKalvoError::Quote(name.Text)).arg(before->second));
        named[name.Text] = name.Line;
        double weight = 1.0;
        if (weightColumn >= 0 && !at(weightColumn).Text.isEmpty()) {
            QString number = at(weightColumn).Text;
            number.replace(QLatin1Char(','), DecimalSeparator()).replace(QLatin1Char('.'), DecimalSeparator());
            weight = IsFloat(number) ? StrToFloat(number) : -1.0;
            if (!(weight >= 0.0 && weight <= MaxParticipantWeight))
                throw fault(at(weightColumn).Line, header.at(weightColumn),
                            QCoreApplication::translate("Kalvo", "utež mora biti število od 0 do %1.")
                                .arg(QLocale().toString(MaxParticipantWeight, 'f', 0)));
        }
        participants.push_back({name.Text, weight});
        for (auto &[node, list] : judges)
            list.push_back(UnjudgedTexts(size_t(node->Matrix->Order)));
        for (const auto &[column, pair] : pairs) {
            const TCsvField answer = at(column);
            if (answer.Text.isEmpty())
                continue;   // not part of this participant's say
            TRatio ratio;
            bool good = IsScaleAnswer(answer.Text);
            if (good) {
                ratio = ParseRatio(answer.Text.simplified().remove(QLatin1Char(' ')));
                good = ratio.Numerator > 0 && ratio.Denominator > 0;
            }
            if (!good)
                throw fault(answer.Line, header.at(column),
                            QCoreApplication::translate("Kalvo", "»%1« ni razmerje (na primer 3:1 ali 1:5).").arg(EKalvoError::Quote(answer.Text)));
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
    if (std::all_of(participants.begin(), participants.end(), [](const TParticipant &p) { return p.Weight == 0.0; }))
        throw fault(2, header.value(weightColumn), QCoreApplication::translate("Kalvo", "vse uteži so 0: nihče ne presoja."));
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

TGroup MergeAnswers(const TModel &model, const std::vector<std::pair<QString, QByteArray>> &answers)
{
    TGroup merged = GroupOf(model);
    // The matrices the merged group judges, by position, and each one's order.
    const auto entryOf = [&](const std::vector<int> &path) -> std::vector<TJudgeTexts> & {
        for (auto &entry : merged.Judges)
            if (entry.first == path)
                return entry.second;
        const size_t order = size_t(model.ItemCount(model.Tree.NodeAt(path)));
        merged.Judges.emplace_back(path, std::vector<TJudgeTexts>(merged.Participants.size(), UnjudgedTexts(order)));
        return merged.Judges.back().second;
    };
    for (const auto &[path, bytes] : answers) {
        const TGroup answer = ReadSurvey(model, bytes, path);
        for (size_t a = 0; a < answer.Participants.size(); ++a) {
            const TParticipant &person = answer.Participants[a];
            size_t p = 0;
            while (p < merged.Participants.size() && merged.Participants[p].Name != person.Name)
                ++p;
            if (p == merged.Participants.size()) {
                merged.Participants.push_back(person);
                for (auto &entry : merged.Judges) {
                    const size_t order = size_t(model.ItemCount(model.Tree.NodeAt(entry.first)));
                    entry.second.push_back(UnjudgedTexts(order));
                }
            } else {
                // Their judgements are the answer's: what it does not name, they have not judged.
                for (auto &entry : merged.Judges)
                    entry.second[p] = UnjudgedTexts(entry.second[p].size());
            }
            for (const auto &[node, texts] : answer.Judges)
                if (a < texts.size())
                    entryOf(node)[p] = texts[a];
        }
    }
    return merged;
}
