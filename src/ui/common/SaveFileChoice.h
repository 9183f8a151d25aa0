#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;

// The file the user chose in a save dialog whose name filters each stand for one
// extension (extensions[i] for filter i). A name that ends in one of them goes
// with the chosen filter when that has it, else with the first filter that does;
// a name without any "." gets the chosen filter's extension. *filter is the
// filter that applies. An empty name when the user cancelled.
QString ChooseSaveFile(QFileDialog &dialog, const QStringList &extensions, int *filter);
