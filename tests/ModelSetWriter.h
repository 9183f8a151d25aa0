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
