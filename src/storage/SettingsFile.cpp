#include "storage/SettingsFile.h"

#include "storage/TextFiles.h"

#include <QFileInfo>

namespace {

// Bytes are searched as they are: names are ASCII, and foreign content is never decoded.
QByteArray Trimmed(const QByteArray &line)
{
    return line.trimmed();
}

} // namespace

void WriteIniKey(const QString &path, const QString &section, const QString &key, const QString &value)
{
    QByteArray bytes = QFileInfo::exists(path) ? ReadFileBytes(path) : QByteArray();
    const QByteArray wantedSection = "[" + section.toLatin1().toUpper() + "]";
    const QByteArray wantedKey = key.toLatin1().toUpper();
    const QByteArray newLine = bytes.contains("\r\n") || bytes.isEmpty() ? QByteArray("\r\n") : QByteArray("\n");
    const QByteArray entry = key.toLatin1() + "=" + EncodeWindows1250(value);

    bool inSection = false;
    qsizetype sectionEnd = -1;   // where a missing key goes: after the section's last line
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', pos);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        qsizetype lineEnd = end < 0 ? bytes.size() : end;
        if (lineEnd > pos && bytes.at(lineEnd - 1) == '\r')
            --lineEnd;
        const QByteArray line = bytes.mid(pos, lineEnd - pos);
        const QByteArray trimmed = Trimmed(line);
        if (trimmed.startsWith('[')) {
            inSection = trimmed.toUpper() == wantedSection;
            if (inSection)
                sectionEnd = next;
        } else if (inSection) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0 && Trimmed(line.left(equals)).toUpper() == wantedKey) {
                bytes.replace(pos, lineEnd - pos, entry);
                WriteFiles({{path, bytes}});
                return;
            }
            if (!trimmed.isEmpty())
                sectionEnd = next;
        }
        pos = next;
    }

    if (sectionEnd >= 0) {
        QByteArray insert = entry + newLine;
        if (sectionEnd > 0 && bytes.at(sectionEnd - 1) != '\n')
            insert.prepend(newLine);
        bytes.insert(sectionEnd, insert);
    } else {
        if (!bytes.isEmpty() && !bytes.endsWith('\n'))
            bytes += newLine;
        bytes += wantedSection + newLine + entry + newLine;
    }
    WriteFiles({{path, bytes}});
}

void WriteSettingsFile(const QString &path, const QString &projectFileName)
{
    WriteIniKey(path, QStringLiteral("GENERAL"), QStringLiteral("PROJECT"), projectFileName);
}
