// Kalvo: decision making by the Analytic Hierarchy Process.
#include "ui/common/KalvoApplication.h"
#include "ui/mainwindow/FormKalvo.h"
#include "model/ModelDocument.h"
#include "ui/report/ReportView.h"
#include "storage/Language.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    // Answered before any window system is needed.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("kalvo " KALVO_VERSION "\n", stdout);
            return 0;
        }
    TReportView::Prepare();
    TKalvoApplication app(argc, argv);

    TModelDocument document;
    TFormKalvo form(document);
    form.show();
    const QStringList args = WithoutLanguage(QApplication::arguments());
    if (args.size() > 1)
        form.Run([&] { form.OpenStartModel(args.at(1)); });
    return app.exec();
}
