#pragma once

#include "model/GridEdits.h"

#include <QDialog>

class QLabel;
class QSlider;
class QSpinBox;
class QPushButton;

// The ratio dialog: one comparison picked on a symmetric track-bar scale, or
// "Ni primerjano" for a pair left blank. The caller sets the item names, the step
// count and the position, and reads the position back; the dialog writes nothing
// into the model.
class TFormRazmerje : public QDialog
{
    Q_OBJECT

public:
    explicit TFormRazmerje(QWidget *parent = nullptr);

    QLabel *Label1;      // left-hand item (the grid row's)
    QLabel *Label2;      // right-hand item (the grid column's)
    QLabel *Label3;      // left end
    QLabel *Label4;      // right end
    QLabel *Label5;      // display: Label5 : Label7
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label8;      // hidden
    QSlider *TrackBar1;
    QSpinBox *SpinEdit1; // hidden step field, 2..100
    QPushButton *BlankButton;   // leaves the pair blank: the dialog's result is BlankResult
    static constexpr int BlankResult = 2;

    void SetTrackMax(int max);
    int TrackMax() const;
    void SetStepCount(int steps);
    void SetPosition(int position);
    int Position() const;
    // Sets the dialog up for one comparison: the criterion in the caption, the
    // row's and the column's item, the scale and position preset from the cell.
    void Prepare(const QString &criterion, const QString &left, const QString &right, const TRatioPreset &preset);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void TrackBar1Change();
    void SpinEdit1Change();
    bool FormKeyPress(int key);
};
