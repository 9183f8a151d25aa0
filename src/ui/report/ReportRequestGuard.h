#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Lets the report view load nothing but the report itself: any request for
// another scheme (the web, local files) is blocked.
class TReportRequestGuard : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
};
