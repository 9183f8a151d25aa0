#include "ui/dialogs/FormNewModel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFormNewModel::TFormNewModel(QWidget *parent)
    : TNameDialog(parent, Qt::Dialog, 15, false)
{
    setObjectName(QStringLiteral("FormNewModel"));
    setWindowTitle(tr("Nov model"));
    setFixedSize(247, 82);

    Label1 = new QLabel(tr("Ime: "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(36, 16);
    Edit1->setGeometry(72, 12, 121, 21);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(48, 40, 75, 25);
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(tr("Preklici"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(128, 40, 75, 25);
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TFormNewModel::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFormNewModel::Button2Click);
}

void TFormNewModel::Button1Click()
{
    accept();
}

void TFormNewModel::Button2Click()
{
    reject();
}
