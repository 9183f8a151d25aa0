#include "ui/mainwindow/StatusLineView.h"

#include "model/StatusLine.h"
#include "ui/common/Fonts.h"

#include <QEvent>
#include <QLabel>

TStatusLineView::TStatusLineView(QWidget *parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusLine"));
    setSizeGripEnabled(false);
    setFixedHeight(23);
    // As the main window's own status bar: its panels never widen the window.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setToolTip(tr("Statusna vrstica"));
    for (int i = 0; i < 7; ++i) {
        Panels[i] = new QLabel(this);
        Panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        Panels[i]->setFixedWidth(120);
        Panels[i]->setFrameShape(QFrame::Panel);
        Panels[i]->setFrameShadow(QFrame::Sunken);
        ShowPlainText(Panels[i]);
        addWidget(Panels[i]);
    }
    Panels[4]->installEventFilter(this);
}

bool TStatusLineView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Panels[4] && FEmphasis && event->type() == QEvent::MouseButtonRelease)
        emit AdviceRequested();
    return QStatusBar::eventFilter(watched, event);
}

void TStatusLineView::Show(const TStatusLine &status)
{
    QFont font(QStringLiteral("Tahoma"), 8);
    font.setBold(status.Emphasis);
    font.setItalic(status.Emphasis);
    for (int i = 0; i < 7; ++i) {
        Panels[i]->setFont(font);
        Panels[i]->setText(status.Panels[size_t(i)]);
    }
    FEmphasis = status.Emphasis;
    Panels[4]->setCursor(FEmphasis ? Qt::PointingHandCursor : Qt::ArrowCursor);
    Panels[4]->setToolTip(FEmphasis ? tr("Predlogi za doslednost") : QString());
}
