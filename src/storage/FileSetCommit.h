#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

// A set of files replaced all or nothing, also when the process is killed or the
// power goes in the middle: the next reader finds the old set or the new one, whole.
//
// The commit writes every file to a temporary beside its target ("Avto.MAT.kalvo-new":
// written, flushed, synced), then the journal ("Avto.kalvo-journal": each target's
// name and its new bytes' SHA-256, synced, renamed into place: the commit point),
// then renames each temporary over its target, syncs the folder and removes the
// journal. A failure before the commit point removes the temporaries and leaves
// every target as it was. Recovery finishes a commit whose journal is there (each
// temporary renamed over its target), and removes temporaries left without one.
// All targets lie in the journal's folder; devices and pipes among them are
// written straight through after the commit.

enum class TRecovery {
    None,       // nothing was left
    Finished,   // an interrupted commit was finished: the new set
    Undone      // an interrupted commit was dropped before its commit point: the old set
};

void CommitFileSet(const QString &journal, const std::vector<std::pair<QString, QByteArray>> &files);
// targets: the files whose temporaries an interrupted commit may have left.
TRecovery RecoverFileSet(const QString &journal, const QStringList &targets);

// The temporary a commit writes for target.
QString CommitTemporary(const QString &target);

// For tests that interrupt a commit: called before each of its steps (0: before
// the first temporary), in the committing process.
void SetCommitStepHook(std::function<void(int step)> hook);
