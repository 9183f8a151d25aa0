#include "ui/report/FormIzpis.h"

#include "ui/dialogs/AboutBox.h"
#include "ui/common/CommandRunner.h"
#include "report/Reports.h"
#include "ui/common/ModalHost.h"
#include "ui/report/PrintHandler.h"
#include "ui/report/ReportView.h"

#include <QAction>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

TFormIzpis::TFormIzpis(const TModel &model, TAboutBox *about, std::function<void()> help, QWidget *parent)
    : QMainWindow(parent, Qt::Window), FModel(model), FAbout(about), FHelp(std::move(help))
{
    setObjectName(QStringLiteral("frmIzpis"));
    setWindowTitle(tr("Izpis"));
    setGeometry(264, 183, 687, 551);

    WebBrowser1 = new TReportView(this);
    setCentralWidget(WebBrowser1);
    Printing = new TPrintHandler(WebBrowser1, this);
    connect(WebBrowser1, &TReportView::LoadFinished, this, [this](bool ok) {
        if (!ok)
            TModalHost::Message(this, tr("Izpis"),
                                tr("Izpisa »%1« ni bilo mogoče prikazati.").arg(WebBrowser1->CurrentFile()));
    });

    auto make = [this](const char *name, const QString &text, const QKeySequence &key, const char *icon) {
        auto *action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        if (icon)
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(icon))));
        return action;
    };
    Natisni1 = make("Natisni1", tr("&Natisni"), QKeySequence(Qt::CTRL | Qt::Key_P), "report");
    Predogledstrani1 = make("Predogledstrani1", tr("&Predogled strani"),
                            QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P), "preview");
    ShraniPdf1 = make("ShraniPdf1", tr("Shrani kot &PDF"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                      nullptr);
    Nastavitevstrani1 = make("Nastavitevstrani1", tr("Nastavitev &strani"), QKeySequence(), nullptr);
    Izhod1 = make("Izhod1", tr("&Izhod"), QKeySequence(Qt::CTRL | Qt::Key_X), nullptr);
    Vsebina1 = make("Vsebina1", tr("V&sebina "), QKeySequence(Qt::Key_F1), "help");
    Vizitka1 = make("Vizitka1", tr("&Vizitka"), QKeySequence(Qt::Key_F2), nullptr);

    QMenu *dokument = menuBar()->addMenu(tr("&Dokument"));
    dokument->setObjectName(QStringLiteral("Dokument1"));
    dokument->addActions({Natisni1, Predogledstrani1, ShraniPdf1});
    dokument->addSeparator();
    dokument->addAction(Nastavitevstrani1);
    dokument->addSeparator();
    dokument->addAction(Izhod1);
    QMenu *pomoc = menuBar()->addMenu(tr("&Pomoc"));
    pomoc->setObjectName(QStringLiteral("Pomoc1"));
    pomoc->addAction(Vsebina1);
    pomoc->addSeparator();
    pomoc->addAction(Vizitka1);

    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->toggleViewAction()->setVisible(false);
    ToolBar1->addActions({Natisni1, Predogledstrani1});
    auto *gap = new QWidget;
    gap->setFixedWidth(23);
    ToolBar1->addWidget(gap);
    ToolBar1->addAction(Vsebina1);
    // The tool buttons have no tooltips.
    for (QAction *action : {Natisni1, Predogledstrani1, Vsebina1}) {
        QWidget *button = ToolBar1->widgetForAction(action);
        button->setFixedSize(23, 25);
        button->installEventFilter(this);
    }

    Bind(Natisni1, [this] { RunPrintCommand(&TPrintHandler::Print); });                  // SpeedButton1Click
    Bind(Predogledstrani1, [this] { RunPrintCommand(&TPrintHandler::PrintPreview); });   // SpeedButton2Click
    Bind(ShraniPdf1, [this] { ShraniPdf1Click(); });
    Bind(Nastavitevstrani1, [this] { RunPrintCommand(&TPrintHandler::PageSetup); });
    // While a print command waits for the printers to be found, the window says so.
    connect(Printing, &TPrintHandler::Discovered, this, [this] { unsetCursor(); });
    Bind(Izhod1, [this] { close(); });   // the window closes; the page stays loaded
    Bind(Vsebina1, [this] { FHelp(); });                                  // SpeedButton3Click
    Bind(Vizitka1, [this] { TModalHost::Exec(*FAbout); });
}

// While a print command waits for the printers to be found, the window says so.
void TFormIzpis::RunPrintCommand(void (TPrintHandler::*command)())
{
    if (!Printing->Ready())
        setCursor(Qt::BusyCursor);
    (Printing->*command)();
}

// Qt writes the page as PDF itself: no printer is needed.
void TFormIzpis::ShraniPdf1Click()
{
    QFileDialog dialog(this, tr("Shrani kot PDF"));
    dialog.setObjectName(QStringLiteral("PdfDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({tr("PDF (*.pdf)")});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QFileInfo(WebBrowser1->CurrentFile()).completeBaseName() + QStringLiteral(".pdf"));
    if (TModalHost::Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    Printing->SaveAsPdf(dialog.selectedFiles().constFirst());
}

void TFormIzpis::Bind(QAction *action, const std::function<void()> &handler)
{
    connect(action, &QAction::triggered, this, [this, handler] { RunGuarded(this, handler); });
}

bool TFormIzpis::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && qobject_cast<QToolButton *>(watched))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void TFormIzpis::WriteModelReport(const QString &fileName)
{
    ::WriteModelReport(FModel, fileName);
}

void TFormIzpis::WriteCriterionReport(const QString &fileName)
{
    ::WriteCriterionReport(FModel, fileName);
}

void TFormIzpis::WriteSolutionsReport(const QString &fileName)
{
    ::WriteSolutionsReport(FModel, fileName);
}

void TFormIzpis::ShowReport(const QString &fileName)
{
    Printing->Discover();   // the printers are known by the time the user prints
    WebBrowser1->Navigate(fileName);
    show();
    raise();
    activateWindow();
}
