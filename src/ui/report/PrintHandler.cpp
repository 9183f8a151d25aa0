#include "ui/report/PrintHandler.h"

#include "ui/common/CommandRunner.h"
#include "matrix/KalvoError.h"
#include "ui/common/ModalHost.h"
#include "ui/report/PdfPages.h"
#include "ui/report/ReportView.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPageSetupDialog>
#include <QPaintEngine>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <thread>

TPrintHandler::TPrintHandler(TReportView *view, QWidget *dialogParent)
    : QObject(view), FView(view), FDialogParent(dialogParent)
{
}

TPrintHandler::~TPrintHandler() = default;

QString TPrintHandler::NoPrinterMessage()
{
    return tr("Privzeti tiskalnik ni nastavljen, zato izpisa ni mogoče natisniti.");
}

void TPrintHandler::Discover()
{
    if (FStarted)
        return;
    FStarted = true;
    // A QPrinter asks the print system for the default printer as it is made.
    // The thread is detached: a print system that never answers must not hold
    // up the end of the program either.
    QPointer<TPrintHandler> self(this);
    std::thread([self] {
        auto *printer = new QPrinter(QPrinter::HighResolution);
        QCoreApplication *app = QCoreApplication::instance();
        if (!app) {
            delete printer;
            return;
        }
        QMetaObject::invokeMethod(app, [self, printer] {
            if (self)
                self->Take(printer);
            else
                delete printer;
        }, Qt::QueuedConnection);
    }).detach();
}

void TPrintHandler::Take(QPrinter *printer)
{
    FPrinter.reset(printer);
    if (std::function<void()> pending = std::exchange(FPending, nullptr))
        RunGuarded(FDialogParent, pending);
    emit Discovered();
}

void TPrintHandler::WhenReady(std::function<void()> action)
{
    if (FPrinter) {
        action();
        return;
    }
    FPending = std::move(action);   // the last command given while waiting
    Discover();
}

namespace {

// Starts an operation of the browser view that answers later, and waits for the
// answer while the window goes on.
template <typename Result, typename Start>
Result WaitFor(Start start)
{
    QEventLoop loop;
    Result result{};
    bool finished = false;
    start([&](Result answer) {
        result = answer;
        finished = true;
        loop.quit();
    });
    if (!finished)
        loop.exec();
    return result;
}

} // namespace

void TPrintHandler::PrintDocument(QPrinter *printer)
{
    const bool ok = WaitFor<bool>([&](auto done) { FView->Print(printer, done); });
    if (!ok)
        throw EKalvoError(EKalvoError::ekFile, tr("Izpisa ni bilo mogoče natisniti."));
}

void TPrintHandler::Print()
{
    WhenReady([this] {
        // Without a printer Qt's printer writes PDF and has no name.
        if (FPrinter->outputFormat() != QPrinter::NativeFormat || FPrinter->printerName().isEmpty()) {
            TModalHost::Message(FDialogParent, tr("Izpis"), NoPrinterMessage());
            return;
        }
        PrintDocument(FPrinter.get());
    });
}

void TPrintHandler::PrintPreview()
{
    WhenReady([this] {
        // The pages are laid out once, before the preview opens; the preview then
        // paints them whenever it asks (zoom, set-up), never waiting inside.
        const QByteArray pdf = WaitFor<QByteArray>([&](auto done) { FView->ToPdf(FPrinter->pageLayout(), done); });
        if (pdf.isEmpty())
            throw EKalvoError(EKalvoError::ekFile, tr("Izpisa ni bilo mogoče pripraviti za tisk."));
        const TPdfPages pages(pdf);
        QPrintPreviewDialog preview(FPrinter.get(), FDialogParent);
        preview.setObjectName(QStringLiteral("PrintPreview"));
        connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter *printer) {
            // The preview records pictures; its print button paints paper.
            const bool shown = printer->paintEngine() && printer->paintEngine()->type() == QPaintEngine::Picture;
            RunGuarded(FDialogParent, [&] { pages.Paint(printer, shown); });
        });
        TModalHost::Exec(preview);
    });
}

void TPrintHandler::PageSetup()
{
    WhenReady([this] {
        QPageSetupDialog setup(FPrinter.get(), FDialogParent);
        setup.setObjectName(QStringLiteral("PageSetup"));
        TModalHost::Exec(setup);
    });
}

void TPrintHandler::SaveAsPdf(const QString &fileName)
{
    const QString error = WaitFor<QString>([&](auto done) { FView->SaveAsPdf(fileName, done); });
    if (!error.isEmpty())
        throw EKalvoError(EKalvoError::ekFile, error);
}
