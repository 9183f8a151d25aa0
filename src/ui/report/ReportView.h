#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>

class QPrinter;
class QVBoxLayout;
class QWebEngineProfile;
class QWebEngineView;
class TReportPage;
class TReportRequestGuard;
class TReportSchemeHandler;

// The browser view of the report window, the one place that knows Qt WebEngine.
// Its engine is made on the first Navigate, so the program starts without it.
// Script is off and nothing but the report is loaded.
class TReportView : public QWidget
{
    Q_OBJECT

public:
    explicit TReportView(QWidget *parent = nullptr);
    ~TReportView() override;

    // Before the QApplication is made: the report scheme, shared GL contexts and,
    // for root, Chromium's sandbox off.
    static void Prepare();

    // Loads a local report file (Windows-1250 HTML); returns at once.
    void Navigate(const QString &fileName);
    QString CurrentFile() const { return FFile; }
    bool HasEngine() const { return FView != nullptr; }

    // Prints the loaded page; done(success) follows when the printer has it.
    void Print(QPrinter *printer, const std::function<void(bool)> &done);
    // The loaded page laid out on pages of layout as PDF; done(bytes) follows,
    // empty bytes when it failed.
    void ToPdf(const class QPageLayout &layout, const std::function<void(const QByteArray &)> &done);
    // Writes the loaded page as PDF (A4) through the checked writer; done(error)
    // follows, with an empty error on success. No printer is needed.
    void SaveAsPdf(const QString &fileName, const std::function<void(const QString &)> &done);
    void ToPlainText(const std::function<void(const QString &)> &result) const;
    QString Title() const;

signals:
    void LoadFinished(bool ok);

private:
    void MakeEngine();

    QVBoxLayout *FLayout;
    QWebEngineProfile *FProfile = nullptr;
    TReportSchemeHandler *FScheme = nullptr;
    TReportRequestGuard *FGuard = nullptr;
    TReportPage *FPage = nullptr;
    QWebEngineView *FView = nullptr;
    QString FFile;
    QUrl FUrl;   // the report being shown
    int FLoads = 0;
};
