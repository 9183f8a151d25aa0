#include "ui/common/SaveFileChoice.h"

#include "ui/common/ModalHost.h"

#include <QFileDialog>

#include <algorithm>

QString ChooseSaveFile(QFileDialog &dialog, const QStringList &extensions, int *filter)
{
    if (TModalHost::Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString file = dialog.selectedFiles().constFirst();
    *filter = std::max(0, int(dialog.nameFilters().indexOf(dialog.selectedNameFilter())));
    if (!file.endsWith(extensions.value(*filter), Qt::CaseInsensitive))
        for (int i = 0; i < extensions.size(); ++i)
            if (file.endsWith(extensions.at(i), Qt::CaseInsensitive)) {
                *filter = i;
                break;
            }
    if (!file.contains(QLatin1Char('.')))
        file += extensions.value(*filter);
    return file;
}
