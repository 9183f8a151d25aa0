#pragma once

#include <QMainWindow>
#include <QPoint>

#include <functional>
#include <memory>

class EKalvoError;
class QAction;
class QActionGroup;
class QFileDialog;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class TAboutBox;
class TCriteriaTreeView;
class TCriterionNode;
class TFormNewModel;
class TFormPopup;
class TFormPopup_kriterij;
class TFormRazmerje;
class TFormIzpis;
class TGridContent;
class THelpViewer;
class TModel;
class TModelDocument;
class TModelResults;
enum class TViewChange;
enum class TModelChange;
class TProjectCommands;
class TResultsPanel;
class TStringGrid;

// FormKalvo, the main window: criteria tree, comparison grid, results panel and
// status line over one TModelDocument, with every command of the program. It
// keeps no model state: each command makes one edit of the document, and the
// views redraw from the document's Changed notification.
class TFormKalvo : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFormKalvo(TModelDocument &document, QWidget *parent = nullptr);
    ~TFormKalvo() override;

    TModelDocument &Document;
    // The document's model, for reading; edits go through Document.
    const TModel &Model;
    // What the window shows of the results comes from here alone.
    TModelResults &Results() const { return *FResults; }

    // Controls, by their design names.
    QToolBar *ToolBar1;
    QWidget *Panel1;
    TCriteriaTreeView *tv_kriteriji;
    QSplitter *Splitter2;
    TStringGrid *sg_matrika;
    class TRatingsPanel *Ratings;   // beside the grid for a ratings leaf
    TResultsPanel *Panel2;
    QLabel *StatusPanels[7];
    // Under the grid, for a matrix with blank pairs: how many, and the pair to ask
    // next; a double-click opens that pair in the ratio dialog.
    QLabel *BlankPairs;
    // Under it, while a solution's measured values are not typed yet (a new
    // solution's placeholders): which criteria; a double-click goes to the first.
    QLabel *AwaitingValues;
    // In the tool bar for a group's model: whose judgements the grid shows and edits.
    class QComboBox *ParticipantSelector;
    QMenu *popup_kriteriji;
    QMenu *popup_resitve;

    // One action per command, shared by menu, tool bar and pop-up menus.
    QAction *Novmodel1, *Izbiramodela1, *Shrani1, *Shranjevanjmodela1, *ExportResultsAction, *ExportPictureAction, *Izhod1;
    QAction *UndoAction, *RedoAction;
    QAction *Dodaj1, *Izloi1;
    QAction *Dodaj2, *Preimenuj1, *Odstrani1, *Odstranivse1;
    QAction *Natannametoda1, *Priblinametoda1, *Model1, *Izbran1, *Izbran2, *SensitivityAction, *AdviceAction, *ParticipantsAction, *ImportSurveyAction;
    QAction *HelpContentsItem, *Debug1, *HelpAboutItem;
    QAction *DistributiveModeAction, *IdealModeAction, *UncertaintyAction, *QuestionnaireAction, *ImportAnswersAction;

    // The dialogs and the report window, each made on its first use and reused:
    // the first screen shows none of them, and the two file dialogs alone cost
    // tens of milliseconds to make.
    TFormPopup *FormPopup();
    TFormNewModel *FormNewModel();
    TFormRazmerje *FormRazmerje();
    TFormPopup_kriterij *FormPopup_kriterij();
    class TAdviceDialog *AdviceDialog();
    TAboutBox *AboutBox();
    TFormIzpis *frmIzpis();
    QFileDialog *OpenDialog();
    QFileDialog *SaveDialog();
    // Whether the report window has been made (it is not before the first report).
    bool HasReportWindow() const { return FReport != nullptr; }

    THelpViewer *HelpViewer() const;
    class TSensitivityWindow *Sensitivity() const;
    class TUncertaintyWindow *Uncertainty() const;
    TProjectCommands &Project() const { return *FProject; }
    QTreeWidgetItem *ItemOf(const TCriterionNode *node) const;

    // Opens a model as "Odpri model" does after its dialog.
    void OpenModel(const QString &fileName);
    // The program's argument: an existing model is opened as "Odpri model" opens
    // the chosen file, its folder becoming the current directory.
    void OpenStartModel(const QString &fileName);

    // Runs one command; a conversion, arithmetic or file error of it is shown in
    // a message box and the program goes on.
    void Run(const std::function<void()> &command);

    // The views the command handlers redraw when a command made no edit.
    void RebuildTree();
    void RefillGrid();
    // A click on a cell: a measured value's cell is typed into.
    void sg_matrikaClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateCentralArea();
    void CreateStatusLine();
    void Bind(QAction *action, const std::function<void()> &handler);

    // Views of the model.
    void ModelChanged(TModelChange change, TCriterionNode *node);
    void ViewChanged(TViewChange change);
    void ShowHistory();
    void ShowParticipants();
    void ShowResults();
    void FitHeights(int needed);

    // The grid and the lines under it.
    void tv_kriterijiCurrentChanged(TCriterionNode *node);
    void sg_matrikaExit();
    void ShowAwaitingValues();

    class TFileHandler *FFile = nullptr;
    class TEditHandler *FEdit = nullptr;
    class TCriterionHandler *FCriteria = nullptr;
    class TSolutionHandler *FSolutions = nullptr;
    class TAnalysisHandler *FAnalysis = nullptr;
    class TJudgementHandler *FJudgements = nullptr;
    TFormPopup *FFormPopup = nullptr;
    TFormNewModel *FFormNewModel = nullptr;
    TFormRazmerje *FFormRazmerje = nullptr;
    TFormPopup_kriterij *FFormPopup_kriterij = nullptr;
    class TAdviceDialog *FAdviceDialog = nullptr;
    TAboutBox *FAboutBox = nullptr;
    TFormIzpis *FReport = nullptr;
    QFileDialog *FOpenDialog = nullptr;
    QFileDialog *FSaveDialog = nullptr;
    std::unique_ptr<TProjectCommands> FProject;
    class TStatusLineView *FStatusLine = nullptr;
    QActionGroup *FMethods;
    QWidget *FReportButton = nullptr;
    QAction *FParticipantAction = nullptr;
    TModelResults *FResults = nullptr;
    class QScrollArea *FResultsScroll = nullptr;
};
