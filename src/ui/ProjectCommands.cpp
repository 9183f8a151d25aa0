#include "ui/ProjectCommands.h"

#include "matrix/KalvoError.h"
#include "model/Model.h"
#include "storage/ModelFiles.h"
#include "storage/SettingsFile.h"
#include "ui/CommandRunner.h"
#include "ui/ModalHost.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

TProjectCommands::TProjectCommands(TModel &model, QWidget *window, std::function<void()> showModel,
                                   std::function<void()> afterSave)
    : Model(model), FWindow(window), FShowModel(std::move(showModel)), FAfterSave(std::move(afterSave))
{
}

QFileDialog *TProjectCommands::MakeOpenDialog(QWidget *parent)
{
    auto *dialog = new QFileDialog(parent, QStringLiteral("Odpri model"));
    dialog->setObjectName(QStringLiteral("OpenDialog"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::ReadOnly, false);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters({QStringLiteral("Kalvo model (*.krt *.KRT)"), QStringLiteral("All files (*)")});
    return dialog;
}

QFileDialog *TProjectCommands::MakeSaveDialog(QWidget *parent)
{
    auto *dialog = new QFileDialog(parent, QStringLiteral("Shrani model"));
    dialog->setObjectName(QStringLiteral("SaveDialog"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // Replacing another model is asked about when saving, for every way of saving.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({QStringLiteral("Kalvo model (*)")});
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
    bool replaced = false;
    try {
        LoadProject(Model, fileName, &replaced);
    } catch (...) {
        if (replaced)
            FShowModel();
        throw;
    }
    FShowModel();
}

void TProjectCommands::OpenStart(const QString &fileName)
{
    if (!ModelExists(fileName))
        throw EKalvoError(EKalvoError::ekFile, QStringLiteral("Modela »%1« ni.").arg(fileName));
    const QString absolute = QFileInfo(fileName).absoluteFilePath();
    QDir::setCurrent(QFileInfo(absolute).absolutePath());
    Open(absolute);
}

bool TProjectCommands::SaveTo(const QString &fileName)
{
    const QString name = QFileInfo(BaseName(fileName)).fileName();
    auto replace = [&](const QString &question) {
        return TModalHost::Message(FWindow, QStringLiteral("Vprašanje"), question.arg(name),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Question)
               == QMessageBox::Yes;
    };
    if (SavingReplacesOtherSet(Model, fileName)
        && !replace(QStringLiteral("Model »%1« že obstaja. Ga želite nadomestiti?")))
        return false;
    // Another window (or program) saved this set since we read or wrote it.
    if (SetChangedOnDisk(Model, fileName)
        && !replace(QStringLiteral("Model »%1« je bil medtem spremenjen. Ga želite nadomestiti?")))
        return false;
    const bool saved = RunGuarded(FWindow, [&] { SaveProject(Model, fileName); });
    FAfterSave();   // saving fits every matrix
    return saved;
}

void TProjectCommands::WriteSettings()
{
    WriteSettingsFile(QDir::current().filePath(QStringLiteral("Kalvo.ini")), Model.ProjectFileName);
}

bool TProjectCommands::Close()
{
    if (Model.Tree.NodeCount() == 1)
        return true;
    const auto answer = TModalHost::Message(FWindow, QStringLiteral("Vprašanje"),
                                            QStringLiteral("Želite shraniti projekt pred izhodom?"),
                                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                            QMessageBox::Yes);
    if (answer == QMessageBox::Yes && !SaveTo(Model.ProjectFileName))
        return false;   // the failed save was shown; nothing is lost
    RunGuarded(FWindow, [this] { WriteSettings(); });
    return answer != QMessageBox::Cancel;
}
