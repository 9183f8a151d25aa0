#include "TextFiles.h"

#include "KalvoError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextCodec>

#include <memory>

namespace {

QTextCodec *Windows1250()
{
    static QTextCodec *codec = QTextCodec::codecForName("Windows-1250");
    if (!codec)
        throw EKalvoError(EKalvoError::ekFile, QStringLiteral("Kodna stran Windows-1250 ni na voljo."));
    return codec;
}

// The full path, so that the user can find the file whatever the current folder.
EKalvoError FileError(const QString &what, const QString &path, const QString &reason)
{
    return EKalvoError(EKalvoError::ekFile,
                       QStringLiteral("%1 »%2«: %3").arg(what, QFileInfo(path).absoluteFilePath(), reason));
}

} // namespace

QStringList SplitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch != QLatin1Char('\r') && ch != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (ch == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

QString DecodeWindows1250(const QByteArray &bytes)
{
    return Windows1250()->toUnicode(bytes);
}

QByteArray EncodeWindows1250(const QString &text, TUnencodable unencodable)
{
    QTextCodec *codec = Windows1250();
    if (unencodable == TUnencodable::Refuse && !codec->canEncode(text))
        throw EKalvoError(EKalvoError::ekFile,
                          QStringLiteral("Besedila »%1« ni mogoče zapisati v kodni strani Windows-1250.")
                              .arg(text));
    return codec->fromUnicode(text);
}

QByteArray EncodeLines(const QStringList &lines, TUnencodable unencodable)
{
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1String("\r\n");
    return EncodeWindows1250(text, unencodable);
}

QByteArray ReadFileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Datoteke ni mogoče odpreti"), path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("Datoteke ni mogoče prebrati"), path, file.errorString());
    return bytes;
}

void WriteFiles(const std::vector<std::pair<QString, QByteArray>> &files)
{
    std::vector<std::unique_ptr<QSaveFile>> pending;
    for (const auto &[path, bytes] : files) {
        auto file = std::make_unique<QSaveFile>(path);
        if (!file->open(QIODevice::WriteOnly))
            throw FileError(QStringLiteral("Datoteke ni mogoče ustvariti"), path, file->errorString());
        if (file->write(bytes) != bytes.size())
            throw FileError(QStringLiteral("Datoteke ni mogoče zapisati"), path, file->errorString());
        pending.push_back(std::move(file));
    }
    for (auto &file : pending)
        if (!file->commit())
            throw FileError(QStringLiteral("Datoteke ni mogoče shraniti"), file->fileName(), file->errorString());
}
