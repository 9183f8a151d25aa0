#include "ui/mainwindow/FormKalvo.h"

#include "ui/dialogs/AboutBox.h"
#include "ui/mainwindow/CriteriaTreeView.h"
#include "ui/common/Fonts.h"
#include "ui/common/CommandRunner.h"
#include "ui/report/FormIzpis.h"
#include "model/GridContent.h"
#include "model/GridEdits.h"
#include "ui/dialogs/HelpViewer.h"
#include "matrix/KalvoError.h"
#include "matrix/Messages.h"
#include "ui/common/ModalHost.h"
#include "ui/common/WidgetPicture.h"
#include "ui/common/SaveFileChoice.h"
#include "ui/common/KalvoApplication.h"
#include "storage/Language.h"
#include "report/ResultsTables.h"
#include "report/ResultsWorkbook.h"
#include "model/Model.h"
#include "model/ModelDocument.h"
#include "matrix/Completion.h"
#include "ui/dialogs/FormPopup.h"
#include "ui/mainwindow/ProjectCommands.h"
#include "ui/dialogs/FormPopup_kriterij.h"
#include "ui/mainwindow/ResultsPanel.h"
#include "ui/analysis/FormPredlogi.h"
#include "ui/analysis/FormObcutljivost.h"
#include "ui/mainwindow/StatusLineView.h"
#include "ui/mainwindow/StringGrid.h"
#include "analysis/ModelResults.h"
#include "ui/dialogs/FormNewModel.h"
#include "ui/dialogs/FormRazmerje.h"
#include "ui/dialogs/FormUdelezenci.h"
#include "storage/SurveyImport.h"
#include "storage/TextFiles.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QComboBox>
#include <QLabel>
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

TFormKalvo::TFormKalvo(TModelDocument &document, QWidget *parent)
    : QMainWindow(parent), Document(document), Model(std::as_const(document).Model())
{
    InitResources();
    setObjectName(QStringLiteral("FormKalvo"));
    setWindowTitle(tr("Kalvo - študentska verzija"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kalvo.svg")));
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateCentralArea();
    CreateStatusLine();

    FProject = std::make_unique<TProjectCommands>(Document, this);
    // The start: its root selected; without a matrix yet it leaves the grid empty.
    Document.Select(Model.Tree.FirstNode());
    // The model's own views redraw first, then the results follow and their views.
    connect(&Document, &TModelDocument::Changed, this, &TFormKalvo::ModelChanged);
    connect(&Document, &TModelDocument::ViewChanged, this, &TFormKalvo::ViewChanged);
    FResults = new TModelResults(Document, this);
    connect(FResults, &TModelResults::Updated, this, &TFormKalvo::ShowResults);
    connect(FResults, &TModelResults::Failed, this, [this](const QString &message) {
        TModalHost::Message(this, QStringLiteral("Kalvo"), message, QMessageBox::Ok, QMessageBox::Ok,
                            QMessageBox::Critical);
    });
    connect(&Document, &TModelDocument::HistoryChanged, this, &TFormKalvo::ShowHistory);
    ShowHistory();

    SetMessageHandler([this](const QString &text) { TModalHost::Message(this, QStringLiteral("Kalvo"), text); });

    // The client area (below the menu) is 833 x 664, centred on the screen.
    resize(833, 664 + menuBar()->sizeHint().height());
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    RebuildTree();
    ShowParticipants();
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
    tv_kriteriji->setToolTip(tr("Seznam kriterijev"));
    tv_kriteriji->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tv_kriteriji, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { popup_kriteriji->popup(tv_kriteriji->viewport()->mapToGlobal(pos)); });
    connect(tv_kriteriji, &TCriteriaTreeView::NodeSelected, this,
            [this](TCriterionNode *node) { Run([this, node] { tv_kriterijiCurrentChanged(node); }); });
    connect(tv_kriteriji, &TCriteriaTreeView::NodeRenamed, this, [this](TCriterionNode *node, const QString &name) {
        Run([&] { Document.RenameCriterion(node, name); });
    });
    connect(tv_kriteriji, &TCriteriaTreeView::DblClick, this, [this] { Run([this] { tv_kriterijiDblClick(); }); });

    // The grid with the blank pairs' line under it.
    auto *gridArea = new QWidget(Splitter2);
    auto *gridLayout = new QVBoxLayout(gridArea);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setSpacing(0);
    sg_matrika = new TStringGrid(gridArea);
    gridLayout->addWidget(sg_matrika, 1);
    BlankPairs = new QLabel(gridArea);
    BlankPairs->setObjectName(QStringLiteral("BlankPairs"));
    BlankPairs->setToolTip(tr("Dvoklik odpre naslednjo primerjavo"));
    BlankPairs->setMinimumWidth(0);
    BlankPairs->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    ShowPlainText(BlankPairs);
    BlankPairs->hide();
    BlankPairs->installEventFilter(this);
    gridLayout->addWidget(BlankPairs);
    AwaitingValues = new QLabel(gridArea);
    AwaitingValues->setObjectName(QStringLiteral("AwaitingValues"));
    AwaitingValues->setToolTip(tr("Dvoklik odpre prvo vrednost, ki še ni vnesena"));
    AwaitingValues->setMinimumWidth(0);
    AwaitingValues->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    ShowPlainText(AwaitingValues);
    AwaitingValues->hide();
    AwaitingValues->installEventFilter(this);
    gridLayout->addWidget(AwaitingValues);
    sg_matrika->setObjectName(QStringLiteral("sg_matrika"));
    sg_matrika->setToolTip(tr("Prikaz razmerja"));
    connect(sg_matrika, &TStringGrid::CellSelected, this, [this] { Run([this] { sg_matrikaClick(); }); });
    connect(sg_matrika, &TStringGrid::Exited, this, [this] { Run([this] { sg_matrikaExit(); }); });
    connect(sg_matrika, &TStringGrid::DblClick, this, [this] { Run([this] { sg_matrikaDblClick(); }); });
    connect(sg_matrika, &TStringGrid::DeletePressed, this, [this] { Run([this] { sg_matrikaDelete(); }); });
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

TFormIzpis *TFormKalvo::frmIzpis()
{
    // A window of its own, not owned by the main window; the main window ends it.
    return Once(FReport, [this] { return new TFormIzpis(Model, AboutBox(), [this] { Pomoc(); }); });
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
    QStringList notes{Model.Status.Consensus, Model.Status.BlankPairs};
    notes.removeAll(QString());
    BlankPairs->setText(notes.join(QStringLiteral(". ")));
    BlankPairs->setVisible(!notes.isEmpty());
    ShowAwaitingValues();
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

// Every edit, undo and redo ends here: each view redraws the part the change
// touched (the results have followed already).
void TFormKalvo::ModelChanged(TModelChange change, TCriterionNode *node)
{
    switch (change) {
    case TModelChange::Mark:
        Panel2->SyncRows(Model);
        return;
    case TModelChange::Model:
        ShowParticipants();
        RebuildTree();
        break;
    case TModelChange::Group:
        ShowParticipants();
        break;
    case TModelChange::Tree:
        RebuildTree();
        break;
    case TModelChange::Criterion:
        tv_kriteriji->ShowName(node);
        break;
    case TModelChange::Judgements:
    case TModelChange::Solutions:
        break;
    }
    // An undo shows the criterion it took back.
    tv_kriteriji->ShowCurrent(Model.Tree.Selected());
    Panel2->SyncRows(Model);
    RefillGrid();
}

void TFormKalvo::ViewChanged(TViewChange change)
{
    switch (change) {
    case TViewChange::Selection:
        tv_kriteriji->ShowCurrent(Model.Tree.Selected());
        RefillGrid();
        break;
    case TViewChange::Participant: {
        const QSignalBlocker quiet(Udelezenec);
        Udelezenec->setCurrentIndex(Document.Participant() + 1);
        RefillGrid();
        break;
    }
    case TViewChange::Method:
        (Model.ExactMethod ? Natannametoda1 : Priblinametoda1)->setChecked(true);
        break;
    case TViewChange::Debug:
        Debug1->setChecked(Model.DebugMode);
        break;
    }
}

// The participant selector: "Skupina" and each participant, shown for a group's model.
void TFormKalvo::ShowParticipants()
{
    const QSignalBlocker quiet(Udelezenec);
    Udelezenec->clear();
    Udelezenec->addItem(tr("Skupina"));
    for (const TParticipant &participant : Model.Participants)
        Udelezenec->addItem(participant.Name);
    Udelezenec->setCurrentIndex(Document.Participant() + 1);
    FParticipantAction->setVisible(!Model.Participants.empty());
}

// The undo and redo commands name the edit they would take back or do again.
void TFormKalvo::ShowHistory()
{
    auto caption = [](const QString &command, const QString &edit) {
        return edit.isEmpty() ? command : command + QStringLiteral(": ") + edit;
    };
    Razveljavi1->setEnabled(Document.CanUndo());
    Razveljavi1->setText(caption(tr("&Razveljavi"), Document.UndoText()));
    Uveljavi1->setEnabled(Document.CanRedo());
    Uveljavi1->setText(caption(tr("&Uveljavi"), Document.RedoText()));
}

// --- Model operations ---------------------------------------------------------

// The grid shows the selected criterion as the model holds it now.
void TFormKalvo::RefillGrid()
{
    bool shown = false;
    const TGridContent grid = TGridContent::Fill(Model, nullptr, &shown, Document.Participant());
    tv_kriteriji->setToolTip(grid.TreeTooltip);
    if (shown)
        sg_matrika->Show(grid);
}

void TFormKalvo::tv_kriterijiCurrentChanged(TCriterionNode *node)
{
    Document.Select(node);
}

void TFormKalvo::OznaciResitevKlik(int row)
{
    Run([this, row] { Document.MarkSolution(row); });
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
    bool changed = false;
    if ((!node->Matrix || node->Matrix->Kind == ckRelative) && c != r) {
        Document.CheckRatiosEditable(node);   // before the dialog, not after the answer
        // From the model's texts (the shown participant's): a blank pair from equal importance.
        const QStringList items = Model.ItemNames(node);
        FormRazmerje()->Prepare(node->Name, items.value(r - 1), items.value(c - 1),
                                PresetForPair(Model, node, c, r, Document.Participant()));
        const int result = TModalHost::Exec(*FormRazmerje());
        if (result == QDialog::Accepted) {
            const TRatioAnswer answer = RatioAnswer(FormRazmerje()->Position(), FormRazmerje()->TrackMax());
            changed = Document.SetRatio(node, c, r, answer.Clicked, answer.Mirror);
        } else if (result == TFormRazmerje::BlankResult) {
            changed = Document.SetBlank(node, c, r);
        }
    }
    if (!changed) {   // no edit: the grid and the results shown afresh all the same
        RefillGrid();
        FResults->Recompute();
    }
}

void TFormKalvo::sg_matrikaSetEditText(int c, int r, const QString &text, bool final)
{
    TCriterionNode *node = Model.Tree.Selected();
    const TTypedEntry entry = TypeAbsoluteValue(node, r, text, final);
    // What the editor held last that was a number: an undone character goes back to it.
    if (!final && FTypedCell != QPoint(c, r)) {
        FTypedCell = QPoint(c, r);
        FTypedSoFar = entry.Stored;
    }
    if (final)
        FTypedCell = QPoint();
    switch (entry.Kind) {
    case TTypedValue::Ignored:
    case TTypedValue::Incomplete:
    case TTypedValue::Relative:
        return;
    case TTypedValue::Typing:
        FTypedSoFar = entry.Text;
        if (entry.Text != text)
            sg_matrika->SetCellAndEditor(c, r, entry.Text);
        return;
    case TTypedValue::Zero:
    case TTypedValue::Negative:
        sg_matrika->SetCellAndEditor(c, r, entry.Text);
        TModalHost::MessageLater(this, ZeroValueCaption(), entry.Message);
        return;
    case TTypedValue::Restored:
        sg_matrika->SetCellAndEditor(c, r, final ? entry.Text : FTypedSoFar);
        if (!final)
            sg_matrika->ShowHint(c, r, entry.Message);
        return;
    case TTypedValue::Stored:
        if (entry.Text != text)
            sg_matrika->SetCellAndEditor(c, r, entry.Text);
        Document.SetValue(node, r, entry.Text);   // one finished cell, one edit
        return;
    }
}

// Delete on a ratio cell leaves its pair not compared.
void TFormKalvo::sg_matrikaDelete()
{
    TCriterionNode *node = Model.Tree.Selected();
    if (node && (!node->Matrix || node->Matrix->Kind == ckRelative))
        Document.SetBlank(node, sg_matrika->Col(), sg_matrika->Row());
}

// The pair the blank pairs' line names, in the ratio dialog.
void TFormKalvo::AskNextPair()
{
    if (Model.Status.NextRow <= 0)
        return;
    sg_matrika->setCurrentCell(Model.Status.NextRow - 1, Model.Status.NextCol - 1);
    sg_matrikaDblClick();
}

// The latest solution whose measured values are still the placeholder: which criteria.
void TFormKalvo::ShowAwaitingValues()
{
    for (int k = Model.SolutionCount() - 1; k >= 0; --k) {
        const std::vector<TCriterionNode *> leaves = Model.AwaitingValues(k);
        if (leaves.empty())
            continue;
        QStringList names;
        for (const TCriterionNode *leaf : leaves)
            names << leaf->Name;
        AwaitingValues->setText(tr("Rešitev »%1« še nima vnesenih vrednosti (za zdaj 1): %2")
                                    .arg(Model.Solutions[size_t(k)].Name, names.join(QStringLiteral(", "))));
        AwaitingValues->show();
        return;
    }
    AwaitingValues->hide();
}

// The first measured value not typed yet: its criterion selected, its cell current.
void TFormKalvo::GoToAwaitingValue()
{
    for (int k = Model.SolutionCount() - 1; k >= 0; --k) {
        const std::vector<TCriterionNode *> leaves = Model.AwaitingValues(k);
        if (leaves.empty())
            continue;
        Document.Select(leaves.front());
        sg_matrika->setCurrentCell(k, 0);
        sg_matrika->setFocus();
        sg_matrikaClick();
        return;
    }
}

void TFormKalvo::tv_kriterijiDblClick()
{
    TCriterionNode *node = Model.Tree.Selected();
    if (!node)
        return;
    FormPopup_kriterij()->Edit1->setText(node->Name);
    FormPopup_kriterij()->SetItemIndex(node->Matrix ? int(node->Matrix->Kind) : int(ckRelative));
    FormPopup_kriterij()->setWindowTitle(tr("Popravi kriterij"));
    if (TModalHost::Exec(*FormPopup_kriterij()) != QDialog::Accepted
        || !Document.EditCriterion(node, FormPopup_kriterij()->Edit1->text(),
                                   TCriterionKind(FormPopup_kriterij()->ItemIndex()))) {
        RefillGrid();   // no edit: shown afresh all the same
        FResults->Recompute();
    }
}

// --- Commands -----------------------------------------------------------------

void TFormKalvo::Razveljavi()
{
    Document.Undo();
}

void TFormKalvo::Uveljavi()
{
    Document.Redo();
}

void TFormKalvo::DodajKriterij()
{
    FormPopup_kriterij()->setWindowTitle(tr("Dodaj kriterij"));
    FormPopup_kriterij()->Edit1->clear();
    const bool accepted = TModalHost::Exec(*FormPopup_kriterij()) == QDialog::Accepted;
    TCriterionNode *parent = Model.Tree.Selected();
    // The tree shows the first criterion selected after the command, added or not.
    Document.Select(Model.Tree.FirstNode());
    if (accepted) {
        Document.AddCriterion(Model.Tree.IsEmpty() ? nullptr : parent, FormPopup_kriterij()->Edit1->text(),
                              TCriterionKind(FormPopup_kriterij()->ItemIndex()));
        return;
    }
    RebuildTree();
    RefillGrid();
}

void TFormKalvo::IzlociKriterij()
{
    Document.RemoveCriterion(Model.Tree.Selected());
}

void TFormKalvo::DodajResitev()
{
    FormPopup()->setWindowTitle(tr("Dodaj rešitev"));
    if (TModalHost::Exec(*FormPopup()) == QDialog::Accepted)
        Document.AddSolution(FormPopup()->Edit1->text());
}

void TFormKalvo::PreimenujResitev()
{
    const int index = Model.MarkedSolution;
    if (index < 0 || index >= Model.SolutionCount())
        return;
    FormPopup()->setWindowTitle(tr("Preimenuj rešitev"));
    FormPopup()->Edit1->setText(Model.Solutions[size_t(index)].Name);
    if (TModalHost::Exec(*FormPopup()) == QDialog::Accepted)
        Document.RenameSolution(index, FormPopup()->Edit1->text());
    FormPopup()->Edit1->clear();
}

void TFormKalvo::OdstraniResitev()
{
    Document.RemoveSolution(Model.MarkedSolution);
}

void TFormKalvo::OdstraniVse()
{
    Document.RemoveAllSolutions();
}

void TFormKalvo::NatancnaMetoda()
{
    Document.SetMethod(true);
}

void TFormKalvo::PribliznaMetoda()
{
    Document.SetMethod(false);
}

void TFormKalvo::Debug()
{
    Document.SetDebugMode(!Model.DebugMode);
}

void TFormKalvo::Pomoc()
{
    if (!FHelp)
        FHelp = new THelpViewer(this);
    FHelp->ShowContents(TKalvoApplication::Language() == QLatin1String("en") ? QStringLiteral("Kalvo_en.hlp")
                                                                             : QStringLiteral("Kalvo.hlp"));
}

void TFormKalvo::Vizitka()
{
    TModalHost::Exec(*AboutBox());
}

// The report commands: the file in the current directory, built, then shown.
void TFormKalvo::ShowReport(void (TFormIzpis::*builder)(const QString &), const QString &fileName)
{
    const QString path = QDir::current().filePath(fileName);
    (frmIzpis()->*builder)(path);
    frmIzpis()->ShowReport(path);
}

void TFormKalvo::IzpisModela()
{
    ShowReport(&TFormIzpis::WriteModelReport, QStringLiteral("Model.htm"));
}

void TFormKalvo::IzpisKriterija()
{
    ShowReport(&TFormIzpis::WriteCriterionReport, QStringLiteral("Kriteriji.htm"));
}

void TFormKalvo::IzpisResitev()
{
    ShowReport(&TFormIzpis::WriteSolutionsReport, QStringLiteral("Resitve.htm"));
}

void TFormKalvo::Obcutljivost()
{
    if (!FSensitivity) {
        FSensitivity = new TFormObcutljivost(Model, this);
        connect(FResults, &TModelResults::Updated, FSensitivity, [this] {
            if (FSensitivity->isVisible())
                FSensitivity->Refresh();
        });
    }
    FSensitivity->ShowFront();
}

void TFormKalvo::Predlogi()
{
    TCriterionNode *node = Model.Tree.Selected();
    if (!node)
        return;
    std::unique_ptr<TMatrix> scratch;
    const TConsistencyAdvice advice = AdviseConsistency(Model.FittedMatrix(node, scratch), Model.ExactMethod);
    // The take-back button is a shortcut to the undo of advice just applied here.
    FormPredlogi()->Show(advice, Model.ItemNames(node), Document.CanUndoAdvice(node));
    sg_matrika->MarkCells(AdviceCells(advice));   // while the dialog is open
    const int answer = TModalHost::Exec(*FormPredlogi());
    sg_matrika->MarkCells({});
    if (answer == TFormPredlogi::UndoResult)
        Document.Undo();
    else if (answer == QDialog::Accepted)
        Document.ApplyAdvice(node, advice.Changes);
}

void TFormKalvo::Udelezenci()
{
    if (!FFormUdelezenci)
        FFormUdelezenci = new TFormUdelezenci(Document, this);
    FFormUdelezenci->Refresh();
    TModalHost::Exec(*FFormUdelezenci);
}

void TFormKalvo::UvoziAnketo()
{
    if (!FSurveyDialog) {
        FSurveyDialog = new QFileDialog(this, tr("Uvozi anketo"));
        FSurveyDialog->setObjectName(QStringLiteral("SurveyDialog"));
        FSurveyDialog->setOption(QFileDialog::DontUseNativeDialog);
        FSurveyDialog->setFileMode(QFileDialog::ExistingFile);
        FSurveyDialog->setNameFilters({tr("Anketa (*.csv *.CSV)"), tr("All files (*)")});
    }
    if (TModalHost::Exec(*FSurveyDialog) != QDialog::Accepted || FSurveyDialog->selectedFiles().isEmpty())
        return;
    const QString file = FSurveyDialog->selectedFiles().constFirst();
    // Read whole first: a faulty survey is told and changes nothing.
    const TGroup group = ReadSurvey(Model, ReadFileBytes(file), file);
    WithContext([&] { return SurveyPlace(file); }, [&] {
        Document.ReplaceGroup(group, tr("uvozi anketo %1 (%2)")
                                         .arg(QFileInfo(file).fileName(), ParticipantCount(int(group.Participants.size()))));
    });
}

// The results under the selected criterion as a spreadsheet: .xlsx (with a sheet
// per ratio matrix when that filter is chosen) or .csv.
void TFormKalvo::IzvoziRezultate()
{
    if (!FExportDialog) {
        FExportDialog = new QFileDialog(this, tr("Izvozi rezultate"));
        FExportDialog->setObjectName(QStringLiteral("ExportDialog"));
        FExportDialog->setOption(QFileDialog::DontUseNativeDialog);
        FExportDialog->setAcceptMode(QFileDialog::AcceptSave);
        FExportDialog->setNameFilters({tr("Preglednica Excel (*.xlsx)"), tr("Preglednica Excel z matrikami (*.xlsx)"),
                                       tr("Besedilo CSV (*.csv)")});
    }
    int filter = 0;
    const QString file = ChooseSaveFile(*FExportDialog, {QStringLiteral(".xlsx"), QStringLiteral(".xlsx"),
                                                         QStringLiteral(".csv")}, &filter);
    if (file.isEmpty())
        return;
    const std::vector<TResultsTable> tables = ResultsTables(Model, filter == 1);   // with matrices
    if (filter == 2)
        WriteFiles({{file, ResultsCsv(tables)}});
    else
        WriteResultsWorkbook(tables, file);
}

void TFormKalvo::IzvoziSliko()
{
    if (!FPictureDialog)
        FPictureDialog = MakePictureDialog(this, QStringLiteral("PictureDialog"));
    bool svg = false;
    const QString file = ChoosePictureFile(*FPictureDialog, &svg);
    if (!file.isEmpty())
        SaveWidgetPicture(Panel2, file, svg, Model.Tree.FirstNode() ? Model.Tree.FirstNode()->Name : QString());
}

void TFormKalvo::IzberiJezik(const QString &language)
{
    RememberLanguage(language);
    if (language != TKalvoApplication::Language())
        TModalHost::Message(this, QStringLiteral("Kalvo"), tr("Jezik se spremeni ob naslednjem zagonu programa."));
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

void TFormKalvo::NovModel()
{
    if (!FProject->MayDropChanges())
        return;
    if (TModalHost::Exec(*FormNewModel()) == QDialog::Accepted)
        Document.NewModel(FormNewModel()->Edit1->text());
    Document.Select(Model.Tree.FirstNode());
}

void TFormKalvo::OdpriModel()
{
    if (!FProject->MayDropChanges())
        return;
    const QString file = FProject->ChooseFile(OpenDialog());
    if (!file.isEmpty())
        OpenModel(file);
}

void TFormKalvo::Shrani()
{
    FProject->SaveTo(Model.ProjectFileName);
}

void TFormKalvo::ShraniKot()
{
    const QString file = FProject->ChooseFile(SaveDialog());
    if (file.isEmpty() || !FProject->SaveTo(file))
        return;
    OpenModel(file);
}

void TFormKalvo::Izhod()
{
    close();   // the close question, before anything is written
}

void TFormKalvo::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // FormShow. A focused tree shows its first node as selected, as the tree
    // control of a desktop does. A root that has no matrix yet (the start) gets
    // none: the grid stays empty and the status line says nothing of a 0x0 matrix.
    tv_kriteriji->setFocus();
    Document.SetDebugMode(false);
    TCriterionNode *first = Model.Tree.FirstNode();
    if (!tv_kriteriji->currentItem() && first)
        Run([this, first] {
            tv_kriteriji->ShowCurrent(first);
            if (!Document.Select(first) && first->Matrix)
                RefillGrid();
        });
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
    if (watched == BlankPairs && event->type() == QEvent::MouseButtonDblClick) {
        Run([this] { AskNextPair(); });
        return true;
    }
    if (watched == AwaitingValues && event->type() == QEvent::MouseButtonDblClick) {
        Run([this] { GoToAwaitingValue(); });
        return true;
    }
    if (watched == Splitter2->handle(1) && event->type() == QEvent::MouseButtonRelease)
        Run([this] { FResults->Recompute(); });   // the end of a drag: computed and placed afresh
    return QMainWindow::eventFilter(watched, event);
}
