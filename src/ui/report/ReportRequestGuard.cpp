#include "ui/report/ReportRequestGuard.h"

#include "ui/report/ReportSchemeHandler.h"

void TReportRequestGuard::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (info.requestUrl().scheme() != QLatin1String(TReportSchemeHandler::Scheme))
        info.block(true);
}
