#pragma once

#include "ui/dialogs/NameDialog.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;

// The criterion dialog: a name of at most 12 characters and the criterion's kind.
// The kind choice carries over from one use to the next.
class TFormPopup_kriterij : public TNameDialog
{
    Q_OBJECT

public:
    explicit TFormPopup_kriterij(QWidget *parent = nullptr);

    QGroupBox *RG_Tip;
    QPushButton *Button1;   // "OK"
    QPushButton *Button2;   // "Preklici"

    // The chosen item of the kind group: 0, 1, 2 = relative, less, more is better,
    // RatingsItem = ratings (a leaf rating the solutions on a scale).
    static constexpr int RatingsItem = 3;
    int ItemIndex() const;
    void SetItemIndex(int index);

private:
    QButtonGroup *FKinds;
};
