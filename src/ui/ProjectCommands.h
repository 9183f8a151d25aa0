#pragma once

#include <QString>

#include <functional>

class QFileDialog;
class QWidget;
class TModel;

// The project commands' file work for the main window: choosing a file, opening
// and saving the model file set through the core, the questions before a save
// replaces another model and before the window closes, and Kalvo.ini. The window
// redraws through the two callbacks; nothing of the model is kept here.
class TProjectCommands
{
public:
    TProjectCommands(TModel &model, QWidget *window, std::function<void()> showModel,
                     std::function<void()> afterSave);

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
    // replaced. Errors are shown; true when the files were written.
    bool SaveTo(const QString &fileName);
    void WriteSettings();
    // FormClose: the close question and its save. False when the window stays open.
    bool Close();

private:
    TModel &Model;
    QWidget *FWindow;
    std::function<void()> FShowModel;
    std::function<void()> FAfterSave;
};
