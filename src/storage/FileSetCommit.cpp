#include "storage/FileSetCommit.h"

#include <QCoreApplication>

#include "matrix/KalvoError.h"
#include "storage/TextFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QByteArray JournalHead = "kalvo-save 1\n";
const QByteArray JournalEnd = "end\n";

std::function<void(int)> &StepHook()
{
    static std::function<void(int)> hook;
    return hook;
}

void Step(int step)
{
    if (StepHook())
        StepHook()(step);
}

// The bytes written and on the disk itself, not only in the system's cache: a
// power cut after the commit point must not find an empty temporary.
void WriteSynced(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw FileError(QCoreApplication::translate("Kalvo", "Datoteke ni mogoče ustvariti"), path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0)
        throw FileError(QCoreApplication::translate("Kalvo", "Datoteke ni mogoče zapisati"), path,
                        file.error() != QFileDevice::NoError ? file.errorString() : QString::fromLocal8Bit(std::strerror(errno)));
    file.close();
}

void SyncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// rename(2) replaces the target in one step, whatever was there.
void Rename(const QString &from, const QString &to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        throw FileError(QCoreApplication::translate("Kalvo", "Datoteke ni mogoče shraniti"), to, QString::fromLocal8Bit(std::strerror(errno)));
}

QByteArray Sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

struct TJournalEntry
{
    QByteArray Hash;
    QString Target;
};

// The entries of a whole journal; none when it is not one (not there, or cut short).
std::optional<std::vector<TJournalEntry>> ReadJournal(const QString &journal)
{
    QFile file(journal);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith(JournalHead) || !bytes.endsWith(JournalEnd))
        return std::nullopt;
    std::vector<TJournalEntry> entries;
    const QList<QByteArray> lines = bytes.mid(JournalHead.size(), bytes.size() - JournalHead.size() - JournalEnd.size())
                                        .split('\n');
    const QDir folder = QFileInfo(journal).dir();
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        const qsizetype tab = line.indexOf('\t');
        const QString name = QString::fromUtf8(line.mid(tab + 1));
        if (tab != 64 || name.isEmpty() || name.contains(QLatin1Char('/')))
            return std::nullopt;
        entries.push_back({line.left(tab), folder.filePath(name)});
    }
    return entries;
}

} // namespace

QString CommitTemporary(const QString &target)
{
    return target + QStringLiteral(".kalvo-new");
}

void SetCommitStepHook(std::function<void(int)> hook)
{
    StepHook() = std::move(hook);
}

void CommitFileSet(const QString &journal, const std::vector<std::pair<QString, QByteArray>> &files)
{
    std::vector<std::pair<QString, QByteArray>> regular, special;
    for (const auto &file : files)
        (IsSpecialFile(file.first) ? special : regular).push_back(file);
    int step = 0;
    QByteArray entries = JournalHead;
    try {
        for (const auto &[target, bytes] : regular) {
            // What a rename cannot replace is found before the commit point.
            if (QFileInfo(target).isDir())
                throw FileError(QCoreApplication::translate("Kalvo", "Datoteke ni mogoče ustvariti"), target, QCoreApplication::translate("Kalvo", "na tem mestu je mapa"));
            Step(step++);
            WriteSynced(CommitTemporary(target), bytes);
            entries += Sha256(bytes) + '\t' + QFileInfo(target).fileName().toUtf8() + '\n';
        }
        Step(step++);
        const QString pending = journal + QStringLiteral(".tmp");
        WriteSynced(pending, entries + JournalEnd);
        Step(step++);
        Rename(pending, journal);   // the commit point
        SyncFolder(QFileInfo(journal).absolutePath());
    } catch (...) {
        for (const auto &file : regular)
            QFile::remove(CommitTemporary(file.first));
        QFile::remove(journal + QStringLiteral(".tmp"));
        throw;
    }
    // From here on the new set is certain: a failure now is finished by the next recovery.
    for (const auto &file : regular) {
        Step(step++);
        Rename(CommitTemporary(file.first), file.first);
    }
    SyncFolder(QFileInfo(journal).absolutePath());
    Step(step++);
    QFile::remove(journal);
    for (const auto &[target, bytes] : special)
        WriteThrough(target, bytes);
}

TRecovery RecoverFileSet(const QString &journal, const QStringList &targets)
{
    if (const std::optional<std::vector<TJournalEntry>> entries = ReadJournal(journal)) {
        for (const TJournalEntry &entry : *entries) {
            const QString temporary = CommitTemporary(entry.Target);
            if (QFileInfo::exists(temporary)) {
                if (Sha256(ReadFileBytes(temporary)) != entry.Hash)
                    throw FileError(QCoreApplication::translate("Kalvo", "Prekinjenega shranjevanja ni mogoče dokončati"), temporary,
                                    QCoreApplication::translate("Kalvo", "vsebina ni ta, ki jo je shranjevanje zapisalo"));
                Rename(temporary, entry.Target);
            } else if (!QFileInfo::exists(entry.Target) || Sha256(ReadFileBytes(entry.Target)) != entry.Hash) {
                throw FileError(QCoreApplication::translate("Kalvo", "Prekinjenega shranjevanja ni mogoče dokončati"), entry.Target,
                                QCoreApplication::translate("Kalvo", "ni ne nove datoteke ne njene začasne kopije"));
            }
        }
        SyncFolder(QFileInfo(journal).absolutePath());
        QFile::remove(journal);
        return TRecovery::Finished;
    }
    bool left = false;
    QStringList leftovers{journal + QStringLiteral(".tmp")};
    for (const QString &target : targets)
        leftovers << CommitTemporary(target);
    if (QFileInfo::exists(journal)) {
        // A journal cut short cannot be one a commit renamed into place: nothing was committed by it.
        leftovers << journal;
    }
    for (const QString &path : leftovers)
        if (QFileInfo::exists(path)) {
            left = true;
            if (!QFile::remove(path))
                throw FileError(QCoreApplication::translate("Kalvo", "Datoteke ni mogoče odstraniti"), path, QString());
        }
    return left ? TRecovery::Undone : TRecovery::None;
}
