#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "Vizitka": the program's version and credits.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QLabel *Version;
    QLabel *lblapp;
    QPushButton *OKButton;
};
