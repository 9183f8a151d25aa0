// Kalvo: decision making by the Analytic Hierarchy Process.
#include "ui/KalvoApplication.h"
#include "ui/Main.h"
#include "model/Model.h"
#include "ui/ReportView.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    TReportView::Prepare();
    TKalvoApplication app(argc, argv);

    TModel model;
    TFormKalvo form(model);
    form.show();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1)
        form.Run([&] { form.OpenStartModel(args.at(1)); });
    return app.exec();
}
