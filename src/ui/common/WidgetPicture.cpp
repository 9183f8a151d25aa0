#include "ui/common/WidgetPicture.h"

#include "matrix/KalvoError.h"
#include "storage/TextFiles.h"
#include "ui/common/SaveFileChoice.h"

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
    int filter = 0;
    const QString file = ChooseSaveFile(dialog, {QStringLiteral(".png"), QStringLiteral(".svg")}, &filter);
    *svg = filter == 1;
    return file;
}
