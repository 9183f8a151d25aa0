#pragma once

#include <QCoreApplication>

#include <QString>

#include <functional>

class QFileDialog;
class QWidget;
class TModelDocument;

// The project commands' file work for the main window: choosing a file, opening
// and saving the model file set through the core, the questions before a save
// replaces another model, before unsaved changes are dropped and before the
// window closes, and Kalvo.ini. The window redraws from the document's
// notifications; nothing of the model is kept here.
class TProjectCommands
{
    Q_DECLARE_TR_FUNCTIONS(TProjectCommands)

public:
    TProjectCommands(TModelDocument &document, QWidget *window);

    // "Odpri model" and "Shrani model", made once by the window.
    static QFileDialog *MakeOpenDialog(QWidget *parent);
    static QFileDialog *MakeSaveDialog(QWidget *parent);

    // The file chosen in dialog (its folder becomes the current directory), or "".
    QString ChooseFile(QFileDialog *dialog);
    // Opens a model. A set that cannot be read changes nothing (and the window
    // shows what it showed); one whose synthesis fails is shown, then the error thrown.
    void Open(const QString &fileName);
    // The program's argument: an existing model, its folder made current.
    void OpenStart(const QString &fileName);
    // Saves under fileName, first asking before files of another model are
    // replaced. Errors are shown; true when the files were written (the model
    // is then as its files: the history's clean state).
    bool SaveTo(const QString &fileName);
    void WriteSettings();
    // Before "Nov model" and "Odpri model": with unsaved changes, whether to save
    // them (Da), drop them (Ne) or keep the model (Prekliči, false).
    bool MayDropChanges();
    // FormClose: with unsaved changes the one question, saving on Da. False
    // when the window stays open.
    bool Close();

private:
    // Da, Ne or Prekliči (QMessageBox's Yes, No, Cancel).
    int Ask(const QString &question);
    QString ModelName() const;

    TModelDocument &Document;
    QWidget *FWindow;
};
