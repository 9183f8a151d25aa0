// Draws the main window with a model open into a PNG file (for the README).
// Usage: kalvo-screenshot MODEL OUTPUT.png [CRITERION-PATH] [--sensitivity] [--lang en]
// With --sensitivity the picture is of the sensitivity window instead.
#include "ui/common/KalvoApplication.h"
#include "ui/mainwindow/CriteriaTreeView.h"
#include "ui/mainwindow/FormKalvo.h"
#include "ui/analysis/SensitivityWindow.h"
#include "model/ModelDocument.h"
#include "ui/report/ReportView.h"
#include "model/NodePath.h"
#include "storage/Language.h"

#include <utility>
#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    TReportView::Prepare();
    TKalvoApplication app(argc, argv);
    const QStringList args = WithoutLanguage(QApplication::arguments());
    if (args.size() < 3) {
        std::fputs("Usage: kalvo-screenshot MODEL OUTPUT.png [CRITERION-PATH] [--sensitivity]\n", stderr);
        return 2;
    }
    TModelDocument document;
    const TModel &model = std::as_const(document).Model();
    TFormKalvo form(document);
    form.show();
    form.Run([&] { form.OpenModel(args.at(1)); });
    if (args.size() > 3)
        if (TCriterionNode *node = FindNode(model.Tree, args.at(3)))
            form.tv_kriteriji->setCurrentItem(form.ItemOf(node));
    const bool sensitivity = args.contains(QStringLiteral("--sensitivity"));
    if (sensitivity)
        form.SensitivityAction->trigger();
    QTimer::singleShot(800, &form, [&] {
        QWidget *shown = sensitivity ? static_cast<QWidget *>(form.Sensitivity()) : &form;
        const bool saved = shown->grab().save(args.at(2));
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
