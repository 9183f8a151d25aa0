#pragma once

#include <QObject>
#include <QPrinter>

class QWidget;
class TReportView;

// Printing of the report window's page: print to the default printer without a
// dialog, a print preview that paints the page, and the page set-up that later
// prints and previews use.
class TPrintHandler : public QObject
{
    Q_OBJECT

public:
    TPrintHandler(TReportView *view, QWidget *dialogParent);

    void Print();
    void PrintPreview();
    void PageSetup();

    // Paints the page onto printer and waits until it is done; a failure throws.
    void PrintDocument(QPrinter *printer);
    QPrinter &Printer() { return FPrinter; }

private:
    TReportView *FView;
    QWidget *FDialogParent;
    QPrinter FPrinter{QPrinter::HighResolution};
};
