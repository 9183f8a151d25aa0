#pragma once

#include "analysis/Sensitivity.h"

#include <QMainWindow>

class QChart;
class QChartView;
class QComboBox;
class QFileDialog;
class QLabel;
class QLineSeries;
class QPushButton;
class QSlider;
class QStackedWidget;
class TModel;

// "Občutljivost": how far the weight of one sub-criterion of the selected
// criterion can move before another solution gets on top. One line per solution
// over the weight from 0 to 1, the crossings marked, a marker at the weight the
// slider chooses (today's weight at first) with the scores and the ranking there.
// The model is never changed: the slider only reads the lines. Not modal, one at
// a time; the main window asks it to follow the model after every refresh.
class TSensitivityWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit TSensitivityWindow(const TModel &model, QWidget *parent = nullptr);

    // Recomputes for the selected criterion (or the first) and draws again.
    void Refresh();
    // Refreshes, shows the window and brings it to the front.
    void ShowFront();
    // The weight the marker stands at: today's exact weight until the slider is moved.
    double SliderWeight() const;

    QLabel *Heading;             // the most critical sub-criterion, or a plain sentence
    QLabel *Interval;            // the weights that keep the top solution, and who overtakes
    QComboBox *SubcriterionChoice;      // the sub-criterion whose weight moves
    QChartView *Chart;
    QSlider *WeightSlider;               // the weight, 0..1000 thousandths
    QLabel *Ranking;             // the followed solutions' scores and ranks at the slider's weight
    QPushButton *ResetButton;      // back to today's weight
    QPushButton *SavePictureButton;    // the chart as PNG or SVG
    QFileDialog *SaveDialog;

private:
    void ShowCriterion(int index);
    void ShowWeight();
    void ShowToday(const TCriterionSensitivity &criterion);
    void SaveImage();
    QString Name(int solution) const;
    // Heading and ranking for a model with nothing to rank (no solutions, or all equal).
    bool NothingToRank() const;

    const TModel &Model;
    TSensitivity FResult;
    QStackedWidget *FPages;
    QLabel *FSentence;
    QLineSeries *FMarker = nullptr;
    bool FFilling = false;
    bool FAtToday = true;   // the slider stands for today's exact weight
};
