#pragma once

#include "matrix/KalvoError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// The model files' text layer: Windows-1250 bytes, lines ended by CR LF.

// Lines end at CR LF, a lone LF or a lone CR; text after the last end is a last line.
QStringList SplitLines(const QString &text);

QString DecodeWindows1250(const QByteArray &bytes);

// How a character without a Windows-1250 byte is written.
enum class TUnencodable {
    Refuse,    // a clear error naming the text: a model file must read back as it was
    Question   // "?": for what only people read
};
QByteArray EncodeWindows1250(const QString &text, TUnencodable unencodable = TUnencodable::Refuse);
// Every line followed by CR LF, encoded.
QByteArray EncodeLines(const QStringList &lines, TUnencodable unencodable = TUnencodable::Refuse);

// "Datoteke ni mogoče zapisati »/pot/Avto.MAT«: Disk je poln": what failed, the full
// path (the user finds the file whatever the current folder), and why.
EKalvoError FileError(const QString &what, const QString &path, const QString &reason);

// Devices, pipes and sockets cannot be replaced by a renamed temporary: the bytes
// go straight to them (WriteThrough), and every write is still checked.
bool IsSpecialFile(const QString &path);
void WriteThrough(const QString &path, const QByteArray &bytes);

// Whole file, or a clear error naming the path and the reason.
QByteArray ReadFileBytes(const QString &path);

// Writes each file through a temporary and replaces the targets only when every
// one was written: a failure leaves all previous files whole and names the path.
void WriteFiles(const std::vector<std::pair<QString, QByteArray>> &files);
