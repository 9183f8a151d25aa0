#pragma once

#include <QString>

class QFileDialog;
class QWidget;

// A widget as a picture file: SVG when the name ends in ".svg" (or the dialog's
// SVG filter was chosen for a name without an extension), else PNG. The picture
// is made whole before the file is written; a failure throws and leaves any old
// file as it was.
void SaveWidgetPicture(QWidget *widget, const QString &fileName, bool svg, const QString &title);

// The file the user chose in a picture dialog (PNG and SVG filters), with the
// chosen format's extension added when the name has none, and whether it is SVG;
// an empty name when the user cancelled.
QString ChoosePictureFile(QFileDialog &dialog, bool *svg);
// A save dialog for pictures, named objectName for the tests.
QFileDialog *MakePictureDialog(QWidget *parent, const QString &objectName);
