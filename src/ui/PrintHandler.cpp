#include "ui/PrintHandler.h"

#include "ui/CommandRunner.h"
#include "matrix/KalvoError.h"
#include "ui/ModalHost.h"
#include "ui/ReportView.h"

#include <QEventLoop>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>

TPrintHandler::TPrintHandler(TReportView *view, QWidget *dialogParent)
    : QObject(view), FView(view), FDialogParent(dialogParent)
{
}

void TPrintHandler::PrintDocument(QPrinter *printer)
{
    QEventLoop loop;
    bool ok = false, finished = false;
    FView->Print(printer, [&](bool success) {
        ok = success;
        finished = true;
        loop.quit();
    });
    if (!finished)
        loop.exec();
    if (!ok)
        throw EKalvoError(EKalvoError::ekFile, QStringLiteral("Izpisa ni bilo mogoče natisniti."));
}

void TPrintHandler::Print()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        TModalHost::Message(FDialogParent, QStringLiteral("Izpis"),
                            QStringLiteral("Privzeti tiskalnik ni nastavljen, zato izpisa ni mogoče natisniti."));
        return;
    }
    FPrinter.setOutputFormat(QPrinter::NativeFormat);
    FPrinter.setPrinterName(printer.printerName());
    PrintDocument(&FPrinter);
}

void TPrintHandler::PrintPreview()
{
    QPrintPreviewDialog preview(&FPrinter, FDialogParent);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *printer) { RunGuarded(FDialogParent, [&] { PrintDocument(printer); }); });
    TModalHost::Exec(preview);
}

void TPrintHandler::PageSetup()
{
    QPageSetupDialog setup(&FPrinter, FDialogParent);
    setup.setObjectName(QStringLiteral("PageSetup"));
    TModalHost::Exec(setup);
}
