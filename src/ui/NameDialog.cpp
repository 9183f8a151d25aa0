#include "ui/NameDialog.h"

#include <QKeyEvent>
#include <QLineEdit>

TNameDialog::TNameDialog(QWidget *parent, Qt::WindowFlags flags, int maxLength, bool windowKeys)
    : QDialog(parent, flags), FWindowKeys(windowKeys)
{
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(maxLength);
    Edit1->installEventFilter(this);
    setFocusProxy(Edit1);
}

bool TNameDialog::Edit1KeyPress(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!Edit1->text().isEmpty())
            accept();
        return true;
    default:
        return false;
    }
}

bool TNameDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress && Edit1KeyPress(static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TNameDialog::keyPressEvent(QKeyEvent *event)
{
    if (FWindowKeys && Edit1KeyPress(event))
        return;
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)
        return;   // no default button, no close by Escape
    QDialog::keyPressEvent(event);
}
