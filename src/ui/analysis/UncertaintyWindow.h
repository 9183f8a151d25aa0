#pragma once

#include "analysis/Uncertainty.h"

#include <QMainWindow>

#include <atomic>
#include <memory>
#include <thread>

class QCheckBox;
class QChartView;
class QDoubleSpinBox;
class QFileDialog;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;
class TModel;

// "Negotovost": how sure the ranking under the selected criterion is. The runs go
// on a thread of their own over a copy of the model (the window stays responsive
// and the model may change meanwhile); the chart shows each solution's rank
// probabilities as stacked bars (the ten best and the marked one, the rest
// summed), the table the chance of being first and the score ranges. It follows
// the model: after every new result of the main window it runs again.
class TUncertaintyWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit TUncertaintyWindow(const TModel &model, QWidget *parent = nullptr);
    ~TUncertaintyWindow() override;

    void ShowFront();
    // Runs with the settings as they stand (a run going on is cancelled first).
    void Start();
    void Cancel();
    bool IsRunning() const { return FWorker != nullptr; }
    const std::optional<TUncertainty> &Result() const { return FResult; }

    QDoubleSpinBox *Spread;
    QSpinBox *Runs;
    QSpinBox *Stream;   // which random numbers the runs take
    QCheckBox *Resample;
    QPushButton *RunButton;      // "Izračunaj"
    QPushButton *CancelButton;   // "Prekini"
    QPushButton *SavePictureButton;
    QProgressBar *Progress;
    QLabel *Summary;
    QChartView *Chart;
    QTableWidget *Table;
    QFileDialog *SaveDialog = nullptr;

signals:
    void Finished();

private:
    void Poll();
    void Show(const TUncertainty &result);
    void SaveImage();

    const TModel &Model;
    std::unique_ptr<std::thread> FWorker;
    std::atomic<bool> FCancel{false};
    std::atomic<bool> FDone{false};
    std::atomic<int> FProgress{0};
    std::optional<TUncertainty> FRunResult;    // the worker's, taken over when it is done
    QString FRunError;
    std::optional<TUncertainty> FResult;
    QStringList FNames;                        // the solutions' names at the start of the run
    int FMarked = -1;
    QTimer *FPoll;
};
