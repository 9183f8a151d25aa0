#include "ui/dialogs/FormPopup_kriterij.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TFormPopup_kriterij::TFormPopup_kriterij(QWidget *parent)
    : TNameDialog(parent, Qt::Dialog, 12, false)
{
    setObjectName(QStringLiteral("FormPopup_kriterij"));
    setWindowTitle(tr("Dodaj kriterij"));
    setFixedSize(258, 206);   // room for the fourth kind, "Ocene"
    move(436, 447);
    Edit1->setGeometry(16, 8, 225, 21);

    RG_Tip = new QGroupBox(tr(" Tip "), this);
    RG_Tip->setObjectName(QStringLiteral("RG_Tip"));
    RG_Tip->setGeometry(16, 32, 225, 131);
    FKinds = new QButtonGroup(this);
    const char *const items[] = {QT_TR_NOOP("Relativna razmerja"), QT_TR_NOOP("Absolutne vrednosti - manj je bolje"),
                                 QT_TR_NOOP("Absolutne vrednosti - vec je bolje"), QT_TR_NOOP("Ocene")};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QRadioButton(tr(items[i]), RG_Tip);
        button->setGeometry(8, 20 + i * 26, 210, 20);
        FKinds->addButton(button, i);
    }
    FKinds->button(0)->setChecked(true);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(48, 170, 75, 25);
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(tr("Preklici"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(136, 170, 75, 25);
    Button2->setAutoDefault(false);
    Button2->setFocusPolicy(Qt::ClickFocus);   // Tab passes it by
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

int TFormPopup_kriterij::ItemIndex() const
{
    return FKinds->checkedId();
}

void TFormPopup_kriterij::SetItemIndex(int index)
{
    if (QAbstractButton *button = FKinds->button(index))
        button->setChecked(true);
}
