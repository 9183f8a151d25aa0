#include "ui/report/ReportSchemeHandler.h"

#include <QBuffer>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

void TReportSchemeHandler::RegisterScheme()
{
    QWebEngineUrlScheme scheme(Scheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

void TReportSchemeHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    auto *buffer = new QBuffer(job);
    buffer->setData(FContent);
    job->reply(QByteArrayLiteral("text/html;charset=windows-1250"), buffer);
}
