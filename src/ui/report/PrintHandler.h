#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;
class TReportView;

// Printing of the report window's page: print to the default printer without a
// dialog, a print preview that paints the page, the page set-up that later
// prints and previews use, and the page as a PDF file.
//
// Finding the printers asks the print system (CUPS), which can take many seconds
// when it is slow or unreachable. That question is asked once, on a thread of its
// own, from the first report on; a command given before the answer waits for it
// without blocking the window.
class TPrintHandler : public QObject
{
    Q_OBJECT

public:
    TPrintHandler(TReportView *view, QWidget *dialogParent);
    ~TPrintHandler() override;

    // Starts finding the printers, once.
    void Discover();
    bool Ready() const { return FPrinter != nullptr; }

    void Print();
    void PrintPreview();
    void PageSetup();
    // Writes the page as PDF to fileName (replaced only when the whole file was written).
    void SaveAsPdf(const QString &fileName);

    // Paints the page onto printer and waits until it is done; a failure throws.
    void PrintDocument(QPrinter *printer);
    static QString NoPrinterMessage();

signals:
    // The printers are known; a command that waited for them has run.
    void Discovered();

private:
    void WhenReady(std::function<void()> action);
    void Take(QPrinter *printer);

    TReportView *FView;
    QWidget *FDialogParent;
    std::unique_ptr<QPrinter> FPrinter;
    std::function<void()> FPending;
    bool FStarted = false;
};
