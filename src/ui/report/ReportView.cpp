#include "ui/report/ReportView.h"

#include "ui/report/ReportPage.h"
#include "ui/report/ReportRequestGuard.h"
#include "ui/report/ReportSchemeHandler.h"
#include "storage/TextFiles.h"
#include "matrix/KalvoError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

TReportView::TReportView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("WebBrowser1"));
    FLayout = new QVBoxLayout(this);
    FLayout->setContentsMargins(0, 0, 0, 0);
}

TReportView::~TReportView()
{
    // The page must go before its profile.
    delete FView;
    delete FPage;
}

void TReportView::Prepare()
{
    TReportSchemeHandler::RegisterScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

void TReportView::MakeEngine()
{
    FProfile = new QWebEngineProfile(this);   // off the record: nothing is kept on disk
    FScheme = new TReportSchemeHandler(this);
    FGuard = new TReportRequestGuard(this);
    FProfile->installUrlSchemeHandler(TReportSchemeHandler::Scheme, FScheme);
    FProfile->setUrlRequestInterceptor(FGuard);
    FPage = new TReportPage(FProfile, this);
    QWebEngineSettings *settings = FPage->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, false);
    FView = new QWebEngineView(this);
    FView->setPage(FPage);
    FView->setContextMenuPolicy(Qt::NoContextMenu);
    FLayout->addWidget(FView);
    // Only the report's own load counts: a blocked frame or link inside it is no failure.
    connect(FPage, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        if (info.url() != FUrl)
            return;
        if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
            emit LoadFinished(true);
        else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus)
            emit LoadFinished(false);
    });
}

void TReportView::Navigate(const QString &fileName)
{
    const QByteArray bytes = ReadFileBytes(fileName);
    if (!FView)
        MakeEngine();
    FFile = fileName;
    FScheme->SetContent(bytes);
    // A new address each time, so the view never shows a cached earlier report.
    QUrl url;
    url.setScheme(QString::fromLatin1(TReportSchemeHandler::Scheme));
    url.setPath(QStringLiteral("/%1/%2").arg(++FLoads).arg(QFileInfo(fileName).fileName()));
    FUrl = url;
    FView->load(url);
}

void TReportView::Print(QPrinter *printer, const std::function<void(bool)> &done)
{
    if (!FView) {
        done(false);
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(FView, &QWebEngineView::printFinished, this, [connection, done](bool ok) {
        disconnect(*connection);
        done(ok);
    });
    FView->print(printer);
}

void TReportView::ToPdf(const QPageLayout &layout, const std::function<void(const QByteArray &)> &done)
{
    if (!FPage) {
        done(QByteArray());
        return;
    }
    FPage->printToPdf(done, layout);
}

void TReportView::SaveAsPdf(const QString &fileName, const std::function<void(const QString &)> &done)
{
    const QString failed = tr("Izpisa ni bilo mogoče shraniti v »%1«.").arg(fileName);
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                             QPageLayout::Millimeter);
    ToPdf(layout, [fileName, failed, done](const QByteArray &pdf) {
        if (pdf.isEmpty()) {
            done(failed);
            return;
        }
        try {
            WriteFiles({{fileName, pdf}});   // the old file stays whole unless all was written
            done(QString());
        } catch (const EKalvoError &e) {
            done(e.message());
        }
    });
}

void TReportView::ToPlainText(const std::function<void(const QString &)> &result) const
{
    if (FPage)
        FPage->toPlainText(result);
    else
        result(QString());
}

QString TReportView::Title() const
{
    return FPage ? FPage->title() : QString();
}
