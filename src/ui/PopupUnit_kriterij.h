#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

// The criterion dialog: a name of at most 12 characters and the criterion's kind.
// The kind choice carries over from one use to the next.
class TFormPopup_kriterij : public QDialog
{
    Q_OBJECT

public:
    explicit TFormPopup_kriterij(QWidget *parent = nullptr);

    QLineEdit *Edit1;
    QGroupBox *RG_Tip;
    QPushButton *Button1;   // "OK"
    QPushButton *Button2;   // "Preklici"

    // The chosen item of the kind group: 0, 1, 2 = relative, less, more is better.
    int ItemIndex() const;
    void SetItemIndex(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QButtonGroup *FKinds;
};
