#pragma once

#include <QByteArray>
#include <QTemporaryFile>

#include <memory>

class QPdfDocument;
class QPrinter;

// The report's pages as the browser engine laid them out (a PDF), painted onto a
// printer page by page at once: a print preview asks for its pages while it is
// being shown and again at every zoom or set-up, and must get them without a
// nested event loop (which the engine's own printing needs) and without holding
// every page at printer resolution.
class TPdfPages
{
public:
    // Throws a file error when the bytes are no PDF.
    explicit TPdfPages(const QByteArray &pdf);
    ~TPdfPages();

    int Count() const;
    // Each page onto the printer's paper, as pictures: at screen resolution for a
    // preview, at the printer's (at most 300 dpi) for paper.
    void Paint(QPrinter *printer, bool preview) const;

private:
    QTemporaryFile FFile;
    std::unique_ptr<QPdfDocument> FDocument;
};
