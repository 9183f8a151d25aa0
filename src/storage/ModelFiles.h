#pragma once

#include "Model.h"

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

// Writes the three files of the set; each is replaced whole or not at all. Every
// matrix is fitted to its node first. ProjectFileName is not changed.
void SaveProject(TModel &model, const QString &fileName);
// Replaces the model with the set's content (missing partners are created), selects
// the first node, sets ProjectFileName and runs the synthesis. A file that cannot
// be read leaves the model as it was; a fault inside a file stops the load where
// it was found, keeping what was read before it.
void LoadProject(TModel &model, const QString &fileName);

void SaveCriteria(const TModel &model, const QString &fileName);
void LoadCriteria(TModel &model, const QString &fileName);
void SaveMatrix(TModel &model, const QString &fileName);
void LoadMatrix(TModel &model, const QString &fileName);
void SaveSolutions(const TModel &model, const QString &fileName);
void LoadSolutions(TModel &model, const QString &fileName);

// Shown when the locale's decimal separator is neither "," nor ".".
QString BadDecimalSeparatorMessage();
