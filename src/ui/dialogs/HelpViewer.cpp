#include "ui/dialogs/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

THelpViewer::THelpViewer(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Kalvo - pomoč"));
    resize(640, 560);
    FBrowser = new QTextBrowser(this);
    FBrowser->setOpenExternalLinks(false);
    FBrowser->setOpenLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FBrowser);
}

void THelpViewer::ShowContents(const QString &helpFile)
{
    // Beside the program (a build), then in the data folder of an installed one
    // (bin/../share/kalvo), wherever it was installed.
    QString path = helpFile;
    if (!QDir::isAbsolutePath(helpFile)) {
        const QDir programDir(QCoreApplication::applicationDirPath());
        path = programDir.filePath(helpFile);
        const QString installed = programDir.filePath(QStringLiteral("../share/kalvo/") + helpFile);
        if (!QFile::exists(path) && QFile::exists(installed))
            path = QDir::cleanPath(installed);
    }
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        FBrowser->setHtml(QString::fromUtf8(file.readAll()));
        FBrowser->scrollToAnchor(QStringLiteral("vsebina"));
    } else {
        FBrowser->setHtml(tr("<h3>Pomoči ni mogoče odpreti</h3><p>Datoteke »%1« ni mogoče odpreti: %2</p>")
                              .arg(path.toHtmlEscaped(), file.errorString().toHtmlEscaped()));
    }
    show();
    raise();
    activateWindow();
}
