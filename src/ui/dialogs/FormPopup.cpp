#include "ui/dialogs/FormPopup.h"

#include <QLineEdit>

TFormPopup::TFormPopup(QWidget *parent)
    : TNameDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint, 12, true)
{
    setObjectName(QStringLiteral("FormPopup"));
    setWindowTitle(tr("Dodaj"));
    setFixedSize(242, 42);
    Edit1->setGeometry(8, 8, 225, 21);
}

void TFormPopup::showEvent(QShowEvent *event)
{
    Edit1->clear();   // FormShow
    TNameDialog::showEvent(event);
}
