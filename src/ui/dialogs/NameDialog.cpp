#include "ui/dialogs/NameDialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

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

QString TNameDialog::EmptyNameMessage()
{
    return tr("Ime ne sme biti prazno.");
}

void TNameDialog::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    if (!visible)
        return;
    // QDialog gives the focus back to whatever had it last (OK, a kind button).
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit1->deselect();
    Edit1->end(false);
}

void TNameDialog::done(int result)
{
    if (result == QDialog::Accepted && Edit1->text().trimmed().isEmpty()) {
        Edit1->setFocus(Qt::OtherFocusReason);
        QToolTip::showText(Edit1->mapToGlobal(QPoint(0, Edit1->height())), EmptyNameMessage(), Edit1);
        return;
    }
    QToolTip::hideText();
    QDialog::done(result);
}

bool TNameDialog::Edit1KeyPress(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
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
