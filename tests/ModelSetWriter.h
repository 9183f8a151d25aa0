#pragma once

#include "storage/TextFiles.h"

#include <QFile>
#include <QStringList>
#include <QTest>

#include <utility>

// Writes a model file set (base + .KRT, .MAT, .RST) from lines, Windows-1250 with CR LF.
inline void WriteModelSet(const QString &base, const QStringList &criteria, const QStringList &matrices,
                          const QStringList &solutions)
{
    const std::pair<const char *, QStringList> files[] = {{".KRT", criteria}, {".MAT", matrices}, {".RST", solutions}};
    for (const auto &[ext, lines] : files) {
        QFile file(base + QString::fromLatin1(ext));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(EncodeLines(lines));
    }
}

// A root over two measured leaves (solutions X and Y) judged by two participants:
// the first puts the first leaf 3 times above the second, the second gives the
// root's texts column by column ("" for a pair left blank).
inline void WriteGroupModelSet(const QString &base, const QStringList &criteria, const QStringList &people,
                               const QStringList &secondRatios)
{
    WriteModelSet(base, criteria, {"0", "2", "1", "1", "1", "1", "2", "2", "1", "3", "2", "2", "3", "1"}, {"X", "Y"});
    const QString json = QStringLiteral(
        R"({"format": "kalvo-model-extras", "version": 1,
        "participants": [{"name": "%1", "weight": 1}, {"name": "%2", "weight": 1}],
        "criteria": [{"index": 0, "path": "%3", "blank": [], "judgements": [
            {"participant": 0, "ratios": ["1", "1:3", "3:1", "1"]},
            {"participant": 1, "ratios": ["%4"]}]}]})")
        .arg(people.value(0), people.value(1), criteria.value(0), secondRatios.join(QStringLiteral("\", \"")));
    QFile companion(base + QStringLiteral(".JSON"));
    QVERIFY(companion.open(QIODevice::WriteOnly));
    companion.write(json.toUtf8());
}
