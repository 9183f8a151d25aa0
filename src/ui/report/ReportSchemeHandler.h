#pragma once

#include <QByteArray>
#include <QWebEngineUrlSchemeHandler>

// Serves the report being shown under the scheme "kalvo-report", declared as
// Windows-1250 HTML: the report files carry no character set of their own.
class TReportSchemeHandler : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    static constexpr const char *Scheme = "kalvo-report";
    // Must run before the QApplication is made.
    static void RegisterScheme();

    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void SetContent(const QByteArray &bytes) { FContent = bytes; }
    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    QByteArray FContent;
};
