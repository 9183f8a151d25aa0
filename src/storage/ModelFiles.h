#pragma once

#include "model/Model.h"

#include <QString>

// The model file set: base name + ".KRT" (the criteria outline), ".MAT" (one
// record per node: kind, order, cells) and ".RST" (one solution name per line),
// Windows-1250 text with CR LF line ends.

// The name without the extension of its last path component ("stan.krt" -> "stan").
QString BaseName(const QString &fileName);
// base + extension as it exists on disk, whatever the case of its extension;
// base + extension itself when there is no such file.
QString PartnerPath(const QString &baseName, const QString &extension);

// Whether fileName names a model that exists: the file itself or its criteria file.
bool ModelExists(const QString &fileName);

// Writes the files of the set (the companion too when the model needs one); all
// are replaced or none, also when the save is interrupted (storage/FileSetCommit:
// the next open or save finishes or drops what an interrupted one left, and says
// so). Every matrix is
// written as the dimension rule makes it (the model itself is not changed, only
// its KnownFileSet and KnownFileStamp). ProjectFileName is not changed; KnownFileSet becomes
// the set. Saving and reading take a lock on the set (base name + ".lock", Qt's
// QLockFile), so that two programs' saves never interleave and a read never sees
// half of a save; a set locked for longer than SetLockWaitMs is an error.
// Returns what the save has to tell: an interrupted earlier save it finished or dropped.
QStringList SaveProject(TModel &model, const QString &fileName);
// Replaces the model with the set's content, selects the first node and sets
// ProjectFileName. The set is read whole into a model of its own first: a file
// that cannot be read, a fault inside a file or a lack of memory leaves the model
// exactly as it was. A partner that is not there reads as what opening it in the
// window creates (CreateMissingPartners): reading writes nothing. Nothing is
// computed (the caller runs the synthesis). Returns what the reader has to tell:
// an interrupted save finished or dropped, a file of the companion's name that is
// not one, a foreign decimal separator, a companion entry passed over, mirrored
// cells that are not reciprocal.
QStringList LoadProject(TModel &model, const QString &fileName);
// "Odpri model" on a file whose partners are missing creates them: the criteria
// with one root named after the file, the matrices and solutions empty.
void CreateMissingPartners(const QString &fileName);

// The three files' bytes and the paths their errors name.
struct TModelSetBytes
{
    QByteArray Criteria, Matrices, Solutions;
    QString CriteriaPath, MatrixPath, SolutionsPath;
    // The companion (storage/ModelExtras): empty when the set has none. A file of its
    // name that is no companion (ExtrasForeign) is not read, and a save never replaces it.
    QByteArray Extras;
    QString ExtrasPath;
    bool ExtrasForeign = false;
};
// The files' bytes as SaveProject writes them (paths left empty): the companion
// only when the model needs one.
TModelSetBytes EncodeProject(const TModel &model);
// LoadProject after the files were read.
QStringList LoadProjectFrom(TModel &model, const QString &fileName, const TModelSetBytes &set);

inline constexpr int SetLockWaitMs = 1000;   // a save takes milliseconds; no command may freeze longer

// The fingerprint of the set's files as they are on disk now.
QByteArray FileSetStamp(const QString &fileName);
// Whether the files of the set this model was read from or written to have been
// changed by someone else since (their fingerprint is not the one it knows).
bool SetChangedOnDisk(const TModel &model, const QString &fileName);

// The files of the set fileName names, as they are or as a save would make them:
// criteria, matrices, solutions, companion.
QStringList ModelSetFiles(const QString &fileName);

// The absolute path of the set fileName names, without extension.
QString AbsoluteBaseName(const QString &fileName);
// Whether saving the model under fileName would replace files of a set that the
// model was neither read from nor written to (KnownFileSet).
bool SavingReplacesOtherSet(const TModel &model, const QString &fileName);

QString OutOfMemoryMessage();

void SaveCriteria(const TModel &model, const QString &fileName);
void LoadCriteria(TModel &model, const QString &fileName);
void SaveMatrix(const TModel &model, const QString &fileName);
QStringList LoadMatrix(TModel &model, const QString &fileName);
void SaveSolutions(const TModel &model, const QString &fileName);
void LoadSolutions(TModel &model, const QString &fileName);

// Shown when the locale's decimal separator is neither "," nor ".".
QString BadDecimalSeparatorMessage();
