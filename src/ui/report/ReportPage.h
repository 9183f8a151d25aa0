#pragma once

#include <QWebEnginePage>

// The report's page: it goes nowhere by itself. Links and forms do not navigate
// away from the report; only the view's own loads of a report are accepted.
class TReportPage : public QWebEnginePage
{
    Q_OBJECT

public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
};
