#include "UnitFormNewModel.h"

#include "NameKeyRule.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFormNewModel::TFormNewModel(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormNewModel"));
    setWindowTitle(QStringLiteral("Nov model"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(247, 82);

    Label1 = new QLabel(QStringLiteral("Ime: "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(36, 16);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(72, 12, 121, 21);
    Edit1->setMaxLength(15);
    Edit1->installEventFilter(this);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(48, 40, 75, 25);
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(QStringLiteral("Preklici"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(128, 40, 75, 25);
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TFormNewModel::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFormNewModel::Button2Click);
    setFocusProxy(Edit1);
}

void TFormNewModel::Button1Click()
{
    accept();
}

void TFormNewModel::Button2Click()
{
    reject();
}

bool TFormNewModel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress
        && NameKeyRule(this, Edit1, static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TFormNewModel::keyPressEvent(QKeyEvent *event)
{
    if (IsDialogKey(event))
        return;
    QDialog::keyPressEvent(event);
}
