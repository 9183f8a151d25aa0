#include "PopupUnit.h"

#include "NameKeyRule.h"

#include <QLineEdit>

TFormPopup::TFormPopup(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FormPopup"));
    setWindowTitle(QStringLiteral("Dodaj"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(242, 42);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 8, 225, 21);
    Edit1->setMaxLength(12);
    Edit1->installEventFilter(this);
    setFocusProxy(Edit1);
}

void TFormPopup::showEvent(QShowEvent *event)
{
    Edit1->clear();   // FormShow
    QDialog::showEvent(event);
}

bool TFormPopup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress
        && NameKeyRule(this, Edit1, static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TFormPopup::keyPressEvent(QKeyEvent *event)
{
    if (!NameKeyRule(this, Edit1, event))
        QDialog::keyPressEvent(event);
}
