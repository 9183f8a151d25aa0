#include "ui/mainwindow/ProjectCommands.h"

#include "matrix/KalvoError.h"
#include "model/ModelDocument.h"
#include "storage/ModelFiles.h"
#include "storage/SettingsFile.h"
#include "ui/common/CommandRunner.h"
#include "ui/common/ModalHost.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

TProjectCommands::TProjectCommands(TModelDocument &document, QWidget *window) : Document(document), FWindow(window)
{
}

QFileDialog *TProjectCommands::MakeOpenDialog(QWidget *parent)
{
    auto *dialog = new QFileDialog(parent, tr("Odpri model"));
    dialog->setObjectName(QStringLiteral("OpenDialog"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::ReadOnly, false);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters({tr("Kalvo model (*.krt *.KRT)"), tr("All files (*)")});
    return dialog;
}

QFileDialog *TProjectCommands::MakeSaveDialog(QWidget *parent)
{
    auto *dialog = new QFileDialog(parent, tr("Shrani model"));
    dialog->setObjectName(QStringLiteral("SaveDialog"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // Replacing another model is asked about when saving, for every way of saving.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({tr("Kalvo model (*)")});
    return dialog;
}

QString TProjectCommands::ChooseFile(QFileDialog *dialog)
{
    if (TModalHost::Exec(*dialog) != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    const QString file = dialog->selectedFiles().constFirst();
    QDir::setCurrent(QFileInfo(file).absolutePath());
    return file;
}

void TProjectCommands::Open(const QString &fileName)
{
    CreateMissingPartners(fileName);
    const QStringList notes = Document.Open(fileName);
    if (!notes.isEmpty())
        TModalHost::Message(FWindow, QStringLiteral("Kalvo"), notes.join(QStringLiteral("\n\n")));
}

void TProjectCommands::OpenStart(const QString &fileName)
{
    if (!ModelExists(fileName))
        throw EKalvoError(EKalvoError::ekFile, tr("Modela »%1« ni.").arg(fileName));
    const QString absolute = QFileInfo(fileName).absoluteFilePath();
    QDir::setCurrent(QFileInfo(absolute).absolutePath());
    Open(absolute);
}

bool TProjectCommands::SaveTo(const QString &fileName)
{
    const QString name = QFileInfo(BaseName(fileName)).fileName();
    auto replace = [&](const QString &question) {
        return TModalHost::Message(FWindow, tr("Vprašanje"), question.arg(name),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Question)
               == QMessageBox::Yes;
    };
    const TModel &model = Document.Model();
    if (SavingReplacesOtherSet(model, fileName)
        && !replace(tr("Model »%1« že obstaja. Ga želite nadomestiti?")))
        return false;
    // Another window (or program) saved this set since we read or wrote it.
    if (SetChangedOnDisk(model, fileName)
        && !replace(tr("Model »%1« je bil medtem spremenjen. Ga želite nadomestiti?")))
        return false;
    QStringList notes;
    const bool saved = RunGuarded(FWindow, [&] {
        notes = Document.Save(fileName);
    });
    if (!notes.isEmpty())
        TModalHost::Message(FWindow, QStringLiteral("Kalvo"), notes.join(QStringLiteral("\n\n")));
    return saved;
}

void TProjectCommands::WriteSettings()
{
    WriteSettingsFile(QDir::current().filePath(QStringLiteral("Kalvo.ini")), Document.Model().ProjectFileName);
}

QString TProjectCommands::ModelName() const
{
    const TModel &model = Document.Model();
    if (!model.ProjectFileName.isEmpty())
        return QFileInfo(BaseName(model.ProjectFileName)).fileName();
    return model.Tree.FirstNode() ? model.Tree.FirstNode()->Name : QString();
}

bool TProjectCommands::MayDropChanges()
{
    if (!Document.IsModified())
        return true;
    const auto answer = Ask(tr("Želite shraniti spremembe modela »%1«?").arg(ModelName()));
    return answer == QMessageBox::No || (answer == QMessageBox::Yes && SaveTo(Document.Model().ProjectFileName));
}

int TProjectCommands::Ask(const QString &question)
{
    return TModalHost::Message(FWindow, tr("Vprašanje"), question,
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

bool TProjectCommands::Close()
{
    // Asked before anything is written: "Ne" leaves the files as they were.
    const int answer = Document.IsModified() ? Ask(tr("Želite shraniti projekt pred izhodom?"))
                                             : int(QMessageBox::No);
    if (answer == QMessageBox::Yes && !SaveTo(Document.Model().ProjectFileName))
        return false;   // the failed save was shown; nothing is lost
    // Kalvo.ini as before: for a model of more than its root, Prekliči included.
    if (Document.Model().Tree.NodeCount() > 1)
        RunGuarded(FWindow, [this] { WriteSettings(); });
    return answer != QMessageBox::Cancel;
}
