#include "ui/Main.h"

#include "ui/About.h"
#include "ui/CriteriaTreeView.h"
#include "ui/Fonts.h"
#include "ui/CommandRunner.h"
#include "ui/FrmIzpis.h"
#include "model/GridContent.h"
#include "model/GridEdits.h"
#include "ui/HelpViewer.h"
#include "matrix/Messages.h"
#include "ui/ModalHost.h"
#include "model/Model.h"
#include "ui/PopupUnit.h"
#include "ui/ProjectCommands.h"
#include "ui/PopupUnit_kriterij.h"
#include "ui/ResultsPanel.h"
#include "ui/FormPredlogi.h"
#include "ui/SensitivityWindow.h"
#include "ui/StatusLineView.h"
#include "ui/StringGrid.h"
#include "analysis/Synthesis.h"
#include "ui/UnitFormNewModel.h"
#include "ui/UnitRazmerje.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

// Resources of a static library must be registered by hand, outside any namespace.
static void InitResources()
{
    Q_INIT_RESOURCE(kalvo);
}

TFormKalvo::TFormKalvo(TModel &model, QWidget *parent)
    : QMainWindow(parent), Model(model)
{
    InitResources();
    setObjectName(QStringLiteral("FormKalvo"));
    setWindowTitle(QStringLiteral("Kalvo - študentska verzija"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kalvo.svg")));
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateCentralArea();
    CreateStatusLine();

    FProject = std::make_unique<TProjectCommands>(Model, this, [this] { ShowModel(); }, [this] { RefillGrid(); });

    SetMessageHandler([this](const QString &text) { TModalHost::Message(this, QStringLiteral("Kalvo"), text); });

    // The client area (below the menu) is 833 x 664, centred on the screen.
    resize(833, 664 + menuBar()->sizeHint().height());
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    RebuildTree();
}

TFormKalvo::~TFormKalvo()
{
    // An editor still open commits as the grid goes: not into a window half gone.
    disconnect(sg_matrika, nullptr, this, nullptr);
    delete FReport;
    SetMessageHandler(nullptr);
}

void TFormKalvo::CreateCentralArea()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new QWidget(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto *upper = new QHBoxLayout(Panel1);
    upper->setContentsMargins(0, 0, 0, 0);
    Splitter2 = new QSplitter(Qt::Horizontal, Panel1);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setHandleWidth(4);
    Splitter2->setChildrenCollapsible(false);
    upper->addWidget(Splitter2);

    tv_kriteriji = new TCriteriaTreeView(Splitter2);
    tv_kriteriji->setObjectName(QStringLiteral("tv_kriteriji"));
    tv_kriteriji->setToolTip(QStringLiteral("Seznam kriterijev"));
    tv_kriteriji->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tv_kriteriji, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { popup_kriteriji->popup(tv_kriteriji->viewport()->mapToGlobal(pos)); });
    connect(tv_kriteriji, &TCriteriaTreeView::NodeSelected, this,
            [this](TCriterionNode *node) { Run([this, node] { tv_kriterijiCurrentChanged(node); }); });
    connect(tv_kriteriji, &TCriteriaTreeView::NodeRenamed, this, [this](TCriterionNode *node, const QString &name) {
        Run([&] { Model.RenameCriterion(node, name); });
    });
    connect(tv_kriteriji, &TCriteriaTreeView::DblClick, this, [this] { Run([this] { tv_kriterijiDblClick(); }); });

    sg_matrika = new TStringGrid(Splitter2);
    sg_matrika->setObjectName(QStringLiteral("sg_matrika"));
    sg_matrika->setToolTip(QStringLiteral("Prikaz razmerja"));
    connect(sg_matrika, &TStringGrid::CellSelected, this, [this] { Run([this] { sg_matrikaClick(); }); });
    connect(sg_matrika, &TStringGrid::Exited, this, [this] { Run([this] { sg_matrikaExit(); }); });
    connect(sg_matrika, &TStringGrid::DblClick, this, [this] { Run([this] { sg_matrikaDblClick(); }); });
    connect(sg_matrika, &TStringGrid::EditorClosed, this, [this] { FTypedCell = QPoint(); });
    connect(sg_matrika, &TStringGrid::EditText, this,
            [this](int c, int r, const QString &text, bool final) {
                Run([=, this] { sg_matrikaSetEditText(c, r, text, final); });
            });

    Splitter2->setSizes({160, 833 - 164});
    Splitter2->setStretchFactor(1, 1);
    Splitter2->handle(1)->installEventFilter(this);

    Panel2 = new TResultsPanel;
    Panel2->SetRowMenu(popup_resitve);
    connect(Panel2, &TResultsPanel::RowClicked, this, &TFormKalvo::OznaciResitevKlik);
    FResultsScroll = Panel2->InScrollArea(central);
    // Panel1 takes whatever the results leave: 380 of the first window's 609.
    FResultsScroll->setFixedHeight(229);

    layout->addWidget(Panel1, 1);
    layout->addWidget(FResultsScroll);
    setCentralWidget(central);
}

void TFormKalvo::CreateStatusLine()
{
    FStatusLine = new TStatusLineView(this);
    setStatusBar(FStatusLine);
    connect(FStatusLine, &TStatusLineView::AdviceRequested, Predlogi1, &QAction::trigger);
    std::copy(std::begin(FStatusLine->Panels), std::end(FStatusLine->Panels), StatusPanels);
}

// --- Windows made on first use ---------------------------------------------------

namespace {

template <typename T, typename Make>
T *Once(T *&window, Make make)
{
    if (!window)
        window = make();
    return window;
}

} // namespace

TFormPopup *TFormKalvo::FormPopup()
{
    return Once(FFormPopup, [this] { return new TFormPopup(this); });
}

TFormNewModel *TFormKalvo::FormNewModel()
{
    return Once(FFormNewModel, [this] { return new TFormNewModel(this); });
}

TFormRazmerje *TFormKalvo::FormRazmerje()
{
    return Once(FFormRazmerje, [this] { return new TFormRazmerje(this); });
}

TFormPopup_kriterij *TFormKalvo::FormPopup_kriterij()
{
    return Once(FFormPopup_kriterij, [this] { return new TFormPopup_kriterij(this); });
}

TFormPredlogi *TFormKalvo::FormPredlogi()
{
    return Once(FFormPredlogi, [this] { return new TFormPredlogi(this); });
}

TAboutBox *TFormKalvo::AboutBox()
{
    return Once(FAboutBox, [this] { return new TAboutBox(this); });
}

TfrmIzpis *TFormKalvo::frmIzpis()
{
    // A window of its own, not owned by the main window; the main window ends it.
    return Once(FReport, [this] { return new TfrmIzpis(Model, AboutBox(), [this] { HelpContentsItemClick(); }); });
}

QFileDialog *TFormKalvo::OpenDialog()
{
    return Once(FOpenDialog, [this] { return TProjectCommands::MakeOpenDialog(this); });
}

QFileDialog *TFormKalvo::SaveDialog()
{
    return Once(FSaveDialog, [this] { return TProjectCommands::MakeSaveDialog(this); });
}

// --- Errors -------------------------------------------------------------------

void TFormKalvo::Run(const std::function<void()> &command)
{
    RunGuarded(this, command);
}

// --- Views --------------------------------------------------------------------

QTreeWidgetItem *TFormKalvo::ItemOf(const TCriterionNode *node) const
{
    return tv_kriteriji->ItemOf(node);
}

void TFormKalvo::RebuildTree()
{
    tv_kriteriji->Rebuild(Model.Tree);
}

void TFormKalvo::ShowResults()
{
    Panel2->SyncRows(Model);
    FitHeights(Panel2->Layout(Model));
    FStatusLine->Show(Model.Status);
    if (FSensitivity && FSensitivity->isVisible())
        FSensitivity->Refresh();   // it follows the model
}

void TFormKalvo::FitHeights(int needed)
{
    // Panel1 and the results share the central area: the results are `needed`
    // high, but show at most half of it and scroll the rest. Only the results'
    // height is fixed; Panel1 takes the rest, so the window's own size never
    // changes (a fixed Panel1 plus the scroll area's minimum made it grow).
    const int shown = std::min(needed, centralWidget()->height() / 2);
    Panel2->setFixedHeight(needed);
    FResultsScroll->setFixedHeight(shown);
    centralWidget()->layout()->activate();
    // A scroll bar that came or went changed the panel's width: place the rows again.
    const int width = Panel2->width();
    FResultsScroll->widget()->adjustSize();
    if (Panel2->width() != width)
        Panel2->Layout(Model);
}

// Shows the whole model after it was replaced (new model, loading).
void TFormKalvo::ShowModel()
{
    RebuildTree();
    Panel2->SyncRows(Model);
    bool shown = false;
    const TGridContent grid = TGridContent::Fill(Model, nullptr, &shown);
    tv_kriteriji->setToolTip(grid.TreeTooltip);
    if (shown)
        sg_matrika->Show(grid);
    ShowResults();
}

// --- Model operations ---------------------------------------------------------

void TFormKalvo::AnalizeAll()
{
    ::AnalizeAll(Model);
    ShowResults();
}

void TFormKalvo::tv_kriterijiChange(TCriterionNode *node)
{
    bool shown = false;
    const TGridContent grid = TGridContent::Fill(Model, node, &shown);
    tv_kriteriji->setToolTip(grid.TreeTooltip);
    if (!shown)
        return;
    sg_matrika->Show(grid);
    AnalizeAll();
}

// The grid shows the selected criterion's current items after its items change.
void TFormKalvo::RefillGrid()
{
    bool shown = false;
    const TGridContent grid = TGridContent::Fill(Model, nullptr, &shown);
    if (shown)
        sg_matrika->Show(grid);
}

void TFormKalvo::tv_kriterijiCurrentChanged(TCriterionNode *node)
{
    Model.Tree.Select(node);
    tv_kriterijiChange(node);
}

void TFormKalvo::OznaciResitevKlik(int row)
{
    Model.OznaciResitev(row);
    Panel2->SyncRows(Model);
}

// --- The comparison grid -------------------------------------------------------

void TFormKalvo::sg_matrikaClick()
{
    const TCriterionNode *node = Model.Tree.Selected();
    if (!node || !node->Matrix || sg_matrika->Cell(sg_matrika->Col(), sg_matrika->Row()).isEmpty())
        return;
    const TCriterionKind kind = node->Matrix->Kind;
    sg_matrika->SetTyping(kind == ckLessIsBetter || kind == ckMoreIsBetter);
}

void TFormKalvo::sg_matrikaExit()
{
    sg_matrika->SetTyping(false);
}

void TFormKalvo::sg_matrikaDblClick()
{
    TCriterionNode *node = Model.Tree.Selected();
    if (!node)
        return;
    const int c = sg_matrika->Col();
    const int r = sg_matrika->Row();
    Model.FitNodeMatrix(node);
    if (node->Matrix->Kind == ckRelative && c != r) {
        FormRazmerje()->Prepare(sg_matrika->Cell(0, 0), sg_matrika->Cell(r, 0), sg_matrika->Cell(0, c),
                              PresetRatio(sg_matrika->Cell(c, r)));
        if (TModalHost::Exec(*FormRazmerje()) == QDialog::Accepted)
            ApplyRatioAnswer(Model, node, c, r,
                             RatioAnswer(FormRazmerje()->Position(), FormRazmerje()->TrackMax()));
    }
    RefillGrid();
    AnalizeAll();
}

void TFormKalvo::sg_matrikaSetEditText(int c, int r, const QString &text, bool final)
{
    QString stored;
    const TTypedValue result = TypeAbsoluteValue(Model.Tree.Selected(), sg_matrika->RowCount(), r, text, &stored, final);
    // What the editor held last that was a number: an undone character goes back to it.
    if (!final && FTypedCell != QPoint(c, r)) {
        FTypedCell = QPoint(c, r);
        FTypedSoFar = stored;
    }
    if (final)
        FTypedCell = QPoint();
    switch (result) {
    case TTypedValue::Ignored:
    case TTypedValue::Incomplete:
        return;
    case TTypedValue::Typing:
        FTypedSoFar = NormalizeTypedValue(text);
        if (FTypedSoFar != text)
            sg_matrika->SetCellAndEditor(c, r, FTypedSoFar);
        return;
    case TTypedValue::Zero:
    case TTypedValue::Negative:
        sg_matrika->SetCellAndEditor(c, r, stored);
        TModalHost::MessageLater(this, ZeroValueCaption(),
                                 result == TTypedValue::Zero ? ZeroValueMessage() : NegativeValueMessage());
        return;
    case TTypedValue::Restored:
        sg_matrika->SetCellAndEditor(c, r, final ? stored : FTypedSoFar);
        if (!final) {
            sg_matrika->ShowHint(c, r, NotANumberMessage(text));
            return;
        }
        break;
    case TTypedValue::Stored:
        if (const QString shown = NormalizeTypedValue(text); shown != text)
            sg_matrika->SetCellAndEditor(c, r, shown);
        break;
    case TTypedValue::Relative:
        break;
    }
    AnalizeAll();
}

void TFormKalvo::tv_kriterijiDblClick()
{
    TCriterionNode *node = Model.Tree.Selected();
    if (!node)
        return;
    Model.FitNodeMatrix(node);
    FormPopup_kriterij()->Edit1->setText(node->Name);
    FormPopup_kriterij()->SetItemIndex(int(node->Matrix->Kind));
    FormPopup_kriterij()->setWindowTitle(QStringLiteral("Popravi kriterij"));
    if (TModalHost::Exec(*FormPopup_kriterij()) == QDialog::Accepted) {
        Model.EditCriterion(node, FormPopup_kriterij()->Edit1->text(), TCriterionKind(FormPopup_kriterij()->ItemIndex()));
        tv_kriteriji->ShowName(node);
    }
    tv_kriterijiChange(node);
    AnalizeAll();
}

// --- Commands -----------------------------------------------------------------

void TFormKalvo::Dodaj1Click()
{
    FormPopup_kriterij()->setWindowTitle(QStringLiteral("Dodaj kriterij"));
    FormPopup_kriterij()->Edit1->clear();
    if (TModalHost::Exec(*FormPopup_kriterij()) == QDialog::Accepted) {
        Model.AddCriterion(FormPopup_kriterij()->Edit1->text(), TCriterionKind(FormPopup_kriterij()->ItemIndex()));
    }
    Model.Tree.Select(Model.Tree.FirstNode());
    RebuildTree();
    tv_kriterijiChange();
    AnalizeAll();
}

void TFormKalvo::Brii1Click()
{
    const TCriterionNode *selected = Model.Tree.Selected();
    if (!selected || !selected->Parent())
        return;
    Model.Tree.DeleteSelectedNode();
    RebuildTree();
    // The tree shows the parent as selected, and its selection handling runs for it.
    tv_kriterijiChange();
}

void TFormKalvo::Dodaj4Click()
{
    FormPopup()->setWindowTitle(QStringLiteral("Dodaj rešitev"));
    if (TModalHost::Exec(*FormPopup()) == QDialog::Accepted) {
        Model.AddSolution(FormPopup()->Edit1->text());
        // Every leaf gets a weight for the new solution at once, not only when it is next shown.
        Model.FitLeafMatrices();
        Panel2->SyncRows(Model);
        RefillGrid();
    }
    AnalizeAll();
}

void TFormKalvo::Brii2Click()
{
    if (Model.SolutionCount() == 0)
        return;
    Model.RemoveMarkedSolution();
    Panel2->SyncRows(Model);
    RefillGrid();
    AnalizeAll();
}

void TFormKalvo::Izbriivse1Click()
{
    // Nothing is recomputed: status line, bars and layout stay until the next refresh.
    Model.RemoveAllSolutions();
    Panel2->SyncRows(Model);
    RefillGrid();
}

void TFormKalvo::Natannametoda1Click()
{
    Model.SetMethod(true);
    Natannametoda1->setChecked(true);
    AnalizeAll();
}

void TFormKalvo::Priblinametoda1Click()
{
    Model.SetMethod(false);
    Priblinametoda1->setChecked(true);
    AnalizeAll();
}

void TFormKalvo::Debug1Click()
{
    Model.SetDebugMode(!Model.DebugMode);
    Debug1->setChecked(Model.DebugMode);
}

void TFormKalvo::HelpContentsItemClick()
{
    if (!FHelp)
        FHelp = new THelpViewer(this);
    FHelp->ShowContents(QStringLiteral("Kalvo.hlp"));
}

void TFormKalvo::HelpAboutItemClick()
{
    TModalHost::Exec(*AboutBox());
}

// The report commands: the file in the current directory, built, then shown.
void TFormKalvo::ShowReport(void (TfrmIzpis::*builder)(const QString &), const QString &fileName)
{
    const QString path = QDir::current().filePath(fileName);
    (frmIzpis()->*builder)(path);
    frmIzpis()->ShowReport(path);
}

void TFormKalvo::Model1Click()
{
    ShowReport(&TfrmIzpis::WriteModelReport, QStringLiteral("Model.htm"));
}

void TFormKalvo::Izbran1Click()
{
    ShowReport(&TfrmIzpis::WriteCriterionReport, QStringLiteral("Kriteriji.htm"));
}

void TFormKalvo::Obcutljivost1Click()
{
    if (!FSensitivity)
        FSensitivity = new TFormObcutljivost(Model, this);
    FSensitivity->ShowFront();
}

void TFormKalvo::Predlogi1Click()
{
    TCriterionNode *node = Model.Tree.Selected();
    if (!node)
        return;
    Model.FitNodeMatrix(node);
    const TConsistencyAdvice advice = AdviseConsistency(*node->Matrix, Model.ExactMethod);
    FormPredlogi()->Show(advice, Model.ItemNames(node), CanUndoAdvice(Model, node));
    sg_matrika->MarkCells(AdviceCells(advice));   // while the dialog is open
    const int answer = TModalHost::Exec(*FormPredlogi());
    sg_matrika->MarkCells({});
    if (answer == TFormPredlogi::UndoResult)
        UndoAdvice(Model, node);
    else if (answer == QDialog::Accepted)
        ApplyAdvice(Model, node, advice.Changes);
    else
        return;
    RefillGrid();
    AnalizeAll();
}

void TFormKalvo::Izbran2Click()
{
    ShowReport(&TfrmIzpis::WriteSolutionsReport, QStringLiteral("Resitve.htm"));
}

// --- Project lifecycle ----------------------------------------------------------

void TFormKalvo::OpenModel(const QString &fileName)
{
    FProject->Open(fileName);
}

void TFormKalvo::OpenStartModel(const QString &fileName)
{
    FProject->OpenStart(fileName);
}

void TFormKalvo::SpeedButton3Click()
{
    if (TModalHost::Exec(*FormNewModel()) == QDialog::Accepted) {
        Model.NewModel(FormNewModel()->Edit1->text());
        Panel2->SyncRows(Model);
        FitHeights(Panel2->Layout(Model));
    }
    Model.Tree.Select(Model.Tree.FirstNode());
    RebuildTree();
    tv_kriterijiChange();
    AnalizeAll();
}

void TFormKalvo::SpeedButton2Click()
{
    const QString file = FProject->ChooseFile(OpenDialog());
    if (!file.isEmpty())
        OpenModel(file);
}

void TFormKalvo::Shrani1Click()
{
    FProject->SaveTo(Model.ProjectFileName);
}

void TFormKalvo::Shranjevanjmodela1Click()
{
    const QString file = FProject->ChooseFile(SaveDialog());
    if (file.isEmpty() || !FProject->SaveTo(file))
        return;
    OpenModel(file);
}

void TFormKalvo::Izhod1Click()
{
    if (!FProject->SaveTo(Model.ProjectFileName))
        return;
    FProject->WriteSettings();
    close();
}

void TFormKalvo::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // FormShow. A focused tree shows its first node as selected, as the tree
    // control of a desktop does. A root that has no matrix yet (the start) gets
    // none: the grid stays empty and the status line says nothing of a 0x0 matrix.
    tv_kriteriji->setFocus();
    Model.SetDebugMode(false);
    Debug1->setChecked(false);
    TCriterionNode *first = Model.Tree.FirstNode();
    if (!tv_kriteriji->currentItem() && first) {
        Model.Tree.Select(first);
        tv_kriteriji->ShowCurrent(first);
        if (first->Matrix)
            Run([this] { tv_kriterijiChange(); });
    }
}

void TFormKalvo::closeEvent(QCloseEvent *event)
{
    // FormClose: the close question; the other windows end with the program.
    if (!FProject->Close()) {
        event->ignore();
        return;
    }
    event->accept();
    if (FReport)
        FReport->close();
    if (FSensitivity)
        FSensitivity->close();
    if (FHelp)
        FHelp->close();
}

bool TFormKalvo::event(QEvent *event)
{
    // The status line belongs to the synthesis: item hints must not cover its panels.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

bool TFormKalvo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FReportButton && event->type() == QEvent::ToolTip)
        return true;
    if (watched == Splitter2->handle(1) && event->type() == QEvent::MouseButtonRelease)
        Run([this] { AnalizeAll(); });   // Splitter2Moved: the end of a drag
    return QMainWindow::eventFilter(watched, event);
}
