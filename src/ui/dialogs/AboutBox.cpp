#include "ui/dialogs/AboutBox.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("Vizitka"));
    setFixedSize(271, 253);

    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setGeometry(8, 8, 257, 209);

    auto *icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(8, 8, 65, 57);
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/kalvo.svg")).pixmap(48, 48));

    Version = new QLabel(tr("Verzija: 1.3.1.6"), panel);
    Version->setObjectName(QStringLiteral("Version"));
    Version->move(81, 8);
    lblapp = new QLabel(panel);
    lblapp->setObjectName(QStringLiteral("lblapp"));
    lblapp->move(87, 17);

    auto *edition = new QLabel(tr("Študentska verzija"), panel);
    edition->setObjectName(QStringLiteral("Edition"));
    edition->setFont(QFont(QStringLiteral("MS Sans Serif"), 10));
    edition->setStyleSheet(QStringLiteral("color: maroon"));
    edition->move(82, 45);

    const struct { int top; const char *text; } credits[] = {
        {130, QT_TR_NOOP("© 2026 razvijalci programa Kalvo")},
        {154, QT_TR_NOOP("Avtor: razvojna skupina Kalvo")},
        {168, QT_TR_NOOP("Mentor: skupnost uporabnikov AHP")},
        {183, QT_TR_NOOP("Sodelavec: ogrodje Qt")},
    };
    for (const auto &credit : credits) {
        auto *label = new QLabel(tr(credit.text), panel);
        label->setFont(QFont(QStringLiteral("Tahoma"), 8));
        label->setWordWrap(true);
        label->setGeometry(8, credit.top, 241, label->heightForWidth(241));
    }

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(94, 224, 65, 26);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    setFocusProxy(OKButton);
}
