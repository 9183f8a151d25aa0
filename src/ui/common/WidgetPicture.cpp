#include "ui/common/WidgetPicture.h"

#include "matrix/KalvoError.h"
#include "storage/TextFiles.h"
#include "ui/common/ModalHost.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileDialog>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>

void SaveWidgetPicture(QWidget *widget, const QString &fileName, bool svg, const QString &title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool made = false;
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(widget->size());
        generator.setViewBox(widget->rect());
        generator.setTitle(title);
        QPainter painter;
        made = painter.begin(&generator);
        if (made) {
            widget->render(&painter);
            made = painter.end();
        }
    } else {
        made = widget->grab().save(&buffer, "PNG");
    }
    if (!made)
        throw EKalvoError(EKalvoError::ekFile, QCoreApplication::translate("WidgetPicture", "Slike »%1« ni mogoče shraniti.").arg(fileName));
    WriteFiles({{fileName, buffer.data()}});
}

QFileDialog *MakePictureDialog(QWidget *parent, const QString &objectName)
{
    auto *dialog = new QFileDialog(parent, QCoreApplication::translate("WidgetPicture", "Shrani sliko"));
    dialog->setObjectName(objectName);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters({QCoreApplication::translate("WidgetPicture", "Slika PNG (*.png)"), QCoreApplication::translate("WidgetPicture", "Slika SVG (*.svg)")});
    return dialog;
}

QString ChoosePictureFile(QFileDialog &dialog, bool *svg)
{
    if (TModalHost::Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString file = dialog.selectedFiles().constFirst();
    *svg = file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)
           || (!file.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
               && dialog.selectedNameFilter().contains(QLatin1String("SVG")));
    if (!file.contains(QLatin1Char('.')))
        file += *svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    return file;
}
