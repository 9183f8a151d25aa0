#include "storage/TextFiles.h"

#include <QCoreApplication>

#include "matrix/KalvoError.h"

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
        throw EKalvoError(EKalvoError::ekFile, QCoreApplication::translate("Kalvo", "Kodna stran Windows-1250 ni na voljo."));
    return codec;
}

} // namespace

EKalvoError FileError(const QString &what, const QString &path, const QString &reason)
{
    return EKalvoError(EKalvoError::ekFile,
                       QStringLiteral("%1 »%2«: %3").arg(what, QFileInfo(path).absoluteFilePath(), reason));
}

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
    if (unencodable == TUnencodable::Refuse && !codec->canEncode(text)) {
        // The line that cannot be written, not the whole file it is part of.
        QString line = text;
        for (const QString &each : SplitLines(text))
            if (!codec->canEncode(each)) {
                line = each;
                break;
            }
        throw EKalvoError(EKalvoError::ekFile,
                          QCoreApplication::translate("Kalvo", "Besedila »%1« ni mogoče zapisati v kodni strani Windows-1250.")
                              .arg(EKalvoError::Quote(line)));
    }
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
        throw FileError(QCoreApplication::translate("Kalvo", "Datoteke ni mogoče odpreti"), path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(QCoreApplication::translate("Kalvo", "Datoteke ni mogoče prebrati"), path, file.errorString());
    return bytes;
}

bool IsSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

void WriteThrough(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw FileError(QCoreApplication::translate("Kalvo", "Datoteke ni mogoče ustvariti"), path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw FileError(QCoreApplication::translate("Kalvo", "Datoteke ni mogoče zapisati"), path, file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw FileError(QCoreApplication::translate("Kalvo", "Datoteke ni mogoče zapisati"), path, file.errorString());
}

void WriteFiles(const std::vector<std::pair<QString, QByteArray>> &files)
{
    std::vector<std::unique_ptr<QSaveFile>> pending;
    // A failure leaves every previous file whole: the temporaries are dropped.
    auto fail = [&pending](const QString &what, const QString &path, const QString &reason) {
        for (auto &file : pending)
            file->cancelWriting();
        return FileError(what, path, reason);
    };
    for (const auto &[path, bytes] : files) {
        if (IsSpecialFile(path))
            continue;
        auto file = std::make_unique<QSaveFile>(path);
        if (!file->open(QIODevice::WriteOnly))
            throw fail(QCoreApplication::translate("Kalvo", "Datoteke ni mogoče ustvariti"), path, file->errorString());
        // commit() does not report a buffer that could not be flushed (a full disk):
        // the bytes are pushed out and checked here, while all targets are still whole.
        const bool written = file->write(bytes) == bytes.size() && file->flush()
            && file->error() == QFileDevice::NoError;
        const QString reason = file->errorString();
        pending.push_back(std::move(file));
        if (!written)
            throw fail(QCoreApplication::translate("Kalvo", "Datoteke ni mogoče zapisati"), path, reason);
    }
    for (size_t i = 0; i < pending.size(); ++i)
        if (!pending[i]->commit())
            throw fail(QCoreApplication::translate("Kalvo", "Datoteke ni mogoče shraniti"), pending[i]->fileName(),
                       pending[i]->errorString());
    for (const auto &[path, bytes] : files)
        if (IsSpecialFile(path))
            WriteThrough(path, bytes);
}
