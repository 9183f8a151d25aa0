#include "ui/dialogs/FormRazmerje.h"

#include "ui/common/Fonts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include <cstdlib>

TFormRazmerje::TFormRazmerje(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FormRazmerje"));
    setWindowTitle(tr("Razmerje"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(276, 130);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 12, 120, 14);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2->setGeometry(132, 12, 120, 14);
    ShowPlainText(Label1);
    ShowPlainText(Label2);

    Label5 = new QLabel(QStringLiteral("1"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label5->setGeometry(97, 26, 40, 14);
    Label6 = new QLabel(QStringLiteral(":"), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setGeometry(137, 26, 6, 14);
    Label7 = new QLabel(QStringLiteral("1"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setGeometry(143, 26, 40, 14);

    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setGeometry(14, 40, 251, 33);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(1);
    TrackBar1->setSingleStep(1);
    TrackBar1->setPageStep(2);
    TrackBar1->setRange(0, 10);
    TrackBar1->setValue(5);

    Label3 = new QLabel(QStringLiteral("6:1"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(16, 74, 40, 14);
    Label4 = new QLabel(QStringLiteral("1:6"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(242, 74, 34, 14);

    Label8 = new QLabel(tr("Število stopenj:"), this);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setFont(QFont(QStringLiteral("Tahoma"), 8));
    Label8->setGeometry(16, 96, 80, 14);
    Label8->hide();
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setGeometry(96, 96, 49, 22);
    SpinEdit1->setRange(2, 100);
    SpinEdit1->setValue(6);
    SpinEdit1->hide();

    BlankButton = new QPushButton(tr("Ni primerjano"), this);
    BlankButton->setObjectName(QStringLiteral("BlankButton"));
    BlankButton->setFont(QFont(QStringLiteral("Tahoma"), 8));
    BlankButton->setGeometry(14, 100, 86, 22);   // the right of the surface still confirms by a click
    BlankButton->setToolTip(tr("Para ne primerjam: utež se dopolni iz ostalih primerjav"));
    // Enter keeps confirming the scale; the button takes a click.
    BlankButton->setAutoDefault(false);
    BlankButton->setFocusPolicy(Qt::NoFocus);
    connect(BlankButton, &QPushButton::clicked, this, [this] { done(BlankResult); });

    connect(TrackBar1, &QSlider::valueChanged, this, &TFormRazmerje::TrackBar1Change);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TFormRazmerje::SpinEdit1Change);
    TrackBar1->installEventFilter(this);
    SpinEdit1->installEventFilter(this);
    setFocusProxy(TrackBar1);
}

void TFormRazmerje::SetTrackMax(int max)
{
    TrackBar1->setMaximum(max);
}

int TFormRazmerje::TrackMax() const
{
    return TrackBar1->maximum();
}

void TFormRazmerje::SetStepCount(int steps)
{
    SpinEdit1->setValue(steps);
}

void TFormRazmerje::SetPosition(int position)
{
    TrackBar1->setValue(position);
    TrackBar1Change();   // the display follows also when the position did not change
}

int TFormRazmerje::Position() const
{
    return TrackBar1->value();
}

void TFormRazmerje::TrackBar1Change()
{
    const int h = TrackBar1->maximum() / 2;
    const int p = TrackBar1->value();
    const QString k = QString::number(std::abs(p - h) + 1);
    if (p > h) {
        Label5->setText(QStringLiteral("1"));
        Label7->setText(k);
    } else {
        Label5->setText(k);
        Label7->setText(QStringLiteral("1"));
    }
}

void TFormRazmerje::SpinEdit1Change()
{
    const int s = SpinEdit1->value();
    TrackBar1->setMaximum(2 * s - 2);   // a position beyond it moves to the end
    Label3->setText(QStringLiteral("%1:1").arg(s));
    Label4->setText(QStringLiteral("1:%1").arg(s));
    TrackBar1Change();
}

bool TFormRazmerje::FormKeyPress(int key)
{
    if (key == Qt::Key_Escape) {
        reject();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        accept();
        return true;
    }
    return false;
}

bool TFormRazmerje::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && FormKeyPress(static_cast<QKeyEvent *>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TFormRazmerje::keyPressEvent(QKeyEvent *event)
{
    if (!FormKeyPress(event->key()))
        QDialog::keyPressEvent(event);
}

void TFormRazmerje::mousePressEvent(QMouseEvent *event)
{
    // A click on the free surface confirms, like Enter.
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint()))
        accept();
    else
        QDialog::mousePressEvent(event);
}

void TFormRazmerje::Prepare(const QString &criterion, const QString &left, const QString &right,
                            const TRatioPreset &preset)
{
    setWindowTitle(tr("Razmerje - ") + criterion);
    Label1->setText(left);
    Label2->setText(right);
    SetTrackMax(preset.TrackMax);
    SetStepCount(preset.Steps);
    SetPosition(preset.Position);
}
