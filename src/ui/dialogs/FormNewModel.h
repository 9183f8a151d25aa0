#pragma once

#include "ui/dialogs/NameDialog.h"

class QLabel;
class QPushButton;

// The new-model dialog: the model's name, at most 15 characters; the field keeps
// the name last typed.
class TFormNewModel : public TNameDialog
{
    Q_OBJECT

public:
    explicit TFormNewModel(QWidget *parent = nullptr);

    QLabel *Label1;
    QPushButton *Button1;
    QPushButton *Button2;

private:
    void Button1Click();
    void Button2Click();
};
