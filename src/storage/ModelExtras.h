#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class TModel;

// The companion of the model file set: base name + ".JSON", UTF-8, for what the
// three files cannot hold. Version 1:
//   {"format": "kalvo-model-extras", "version": 1,
//    "mode": "ideal" (absent: distributive),
//    "criteria": [{"index": K, "path": "Avto/Cena", "blank": [[r, c], ...]}]}
// K is the node's position in tree order (its record in the .MAT), path its names
// from the root joined by "/", and [r, c] (r < c, from 1) each blank pair.
// Readers ignore keys they do not know.

inline constexpr auto ExtrasExtension = ".JSON";

// The companion's bytes, or none when the model has nothing the three files cannot hold.
QByteArray EncodeExtras(const TModel &model);
// A companion that says nothing: written over an old one when the model no longer needs it.
QByteArray EmptyExtras();
// Whether bytes are a companion at all (a JSON object whose "format" is the
// companion's), so that a file of that name that is something else is neither
// read nor replaced.
bool IsExtras(const QByteArray &bytes);
// Makes the pairs the companion names blank. Bytes that are not such a document,
// or a pair outside its matrix, throw a format error naming the file and what is
// wrong; an entry whose path is not that of the node at its index is passed over,
// and the note saying so is returned.
QStringList ApplyExtras(TModel &model, const QByteArray &bytes, const QString &path);
