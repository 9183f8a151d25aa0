#include "ui/report/ReportPage.h"

#include "ui/report/ReportSchemeHandler.h"

bool TReportPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    return isMainFrame && type == NavigationTypeTyped && url.scheme() == QLatin1String(TReportSchemeHandler::Scheme);
}
