#pragma once

#include <QByteArray>
#include <QString>

// A JSON reader keeps the last of two equal keys in one object without a word;
// a model's document that says a thing twice is refused instead. For a document
// that parses: the place of the first object with a key given twice and that key
// ("criteria[3]", "name"), or an empty key when there is none.
struct TDuplicateKey
{
    QString Place;   // "" for the document's own object
    QString Key;
};
TDuplicateKey FirstDuplicateKey(const QByteArray &json);
