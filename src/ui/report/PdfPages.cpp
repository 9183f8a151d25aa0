#include "ui/report/PdfPages.h"

#include "matrix/KalvoError.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>

#include <algorithm>

TPdfPages::TPdfPages(const QByteArray &pdf) : FDocument(std::make_unique<QPdfDocument>())
{
    // The document reads a file name at once (a device it would read later).
    if (!FFile.open() || FFile.write(pdf) != pdf.size() || !FFile.flush()
        || FDocument->load(FFile.fileName()) != QPdfDocument::Error::None)
        throw EKalvoError(EKalvoError::ekFile,
                          QCoreApplication::translate("Kalvo", "Izpisa ni bilo mogoče pripraviti za tisk."));
}

TPdfPages::~TPdfPages() = default;

int TPdfPages::Count() const
{
    return FDocument->pageCount();
}

void TPdfPages::Paint(QPrinter *printer, bool preview) const
{
    QPainter painter;
    if (!painter.begin(printer))
        throw EKalvoError(EKalvoError::ekFile,
                          QCoreApplication::translate("Kalvo", "Izpisa ni bilo mogoče natisniti."));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The PDF's pages are whole sheets with their margins: drawn over the paper,
    // whose corner lies outside the page the painter starts at.
    const QRectF paper = printer->paperRect(QPrinter::DevicePixel);
    const QRectF page = printer->pageRect(QPrinter::DevicePixel);
    const QRectF sheet = paper.translated(-page.topLeft());
    const double dpi = preview ? 110.0 : std::min(300.0, double(printer->resolution()));
    for (int i = 0; i < FDocument->pageCount(); ++i) {
        if (i > 0 && !printer->newPage())
            throw EKalvoError(EKalvoError::ekFile,
                              QCoreApplication::translate("Kalvo", "Izpisa ni bilo mogoče natisniti."));
        const QSizeF points = FDocument->pagePointSize(i);
        const QImage image = FDocument->render(i, (points * dpi / 72.0).toSize());
        painter.drawImage(sheet, image);
    }
    painter.end();
}
