// The command table of the main window: one QAction per command, shared by the
// menus, the tool bar and the pop-up menus.
#include "ui/mainwindow/FormKalvo.h"

#include "model/ModelDocument.h"
#include "ui/common/CommandRunner.h"
#include "ui/common/KalvoApplication.h"
#include "ui/mainwindow/AnalysisHandler.h"
#include "ui/mainwindow/CriterionHandler.h"
#include "ui/mainwindow/EditHandler.h"
#include "ui/mainwindow/FileHandler.h"
#include "ui/mainwindow/SolutionHandler.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <utility>

namespace {

QWidget *Gap(int width)
{
    auto *gap = new QWidget;
    gap->setFixedWidth(width);
    return gap;
}

} // namespace

void TFormKalvo::Bind(QAction *action, const std::function<void()> &handler)
{
    connect(action, &QAction::triggered, this, [this, handler] { Run(handler); });
}

void TFormKalvo::CreateActions()
{
    // The command table: action, design name, caption, shortcut, tool-bar hint, icon, handler.
    const struct {
        QAction **action;
        const char *name;
        const char *caption;
        QKeySequence shortcut;
        const char *hint;
        const char *icon;
        std::function<void()> handler;
    } commands[] = {
        {&Novmodel1, "Novmodel1", QT_TRANSLATE_NOOP("TFormKalvo", "&Nov model"), Qt::CTRL | Qt::Key_N, QT_TRANSLATE_NOOP("TFormKalvo", "Nov model"), "new",
         [this] { FFile->NewModel(); }},
        {&Izbiramodela1, "Izbiramodela1", QT_TRANSLATE_NOOP("TFormKalvo", "&Odpri model"), Qt::CTRL | Qt::Key_O, QT_TRANSLATE_NOOP("TFormKalvo", "Odpri model"), "open",
         [this] { FFile->Open(); }},
        {&Shrani1, "Shrani1", QT_TRANSLATE_NOOP("TFormKalvo", "&Shrani"), Qt::CTRL | Qt::Key_S, QT_TRANSLATE_NOOP("TFormKalvo", "Shrani model"), "save", [this] { FFile->Save(); }},
        {&Shranjevanjmodela1, "Shranjevanjmodela1", QT_TRANSLATE_NOOP("TFormKalvo", "&Shrani model kot"), Qt::CTRL | Qt::ALT | Qt::Key_S,
         QT_TRANSLATE_NOOP("TFormKalvo", "Shrani model kot"), "saveas", [this] { FFile->SaveAs(); }},
        {&ExportResultsAction, "ExportResultsAction", QT_TRANSLATE_NOOP("TFormKalvo", "&Izvozi rezultate..."), {}, nullptr, nullptr,
         [this] { FFile->ExportResults(); }},
        {&ExportPictureAction, "ExportPictureAction", QT_TRANSLATE_NOOP("TFormKalvo", "Izvozi s&liko rezultatov..."), {}, nullptr, nullptr, [this] { FFile->ExportPicture(); }},
        {&Izhod1, "Izhod1", QT_TRANSLATE_NOOP("TFormKalvo", "I&zhod"), Qt::CTRL | Qt::Key_X, nullptr, nullptr, [this] { FFile->Exit(); }},
        {&UndoAction, "UndoAction", QT_TRANSLATE_NOOP("TFormKalvo", "&Razveljavi"), Qt::CTRL | Qt::Key_Z, QT_TRANSLATE_NOOP("TFormKalvo", "Razveljavi"), "undo",
         [this] { FEdit->Undo(); }},
        {&RedoAction, "RedoAction", QT_TRANSLATE_NOOP("TFormKalvo", "&Uveljavi"), Qt::CTRL | Qt::Key_Y, QT_TRANSLATE_NOOP("TFormKalvo", "Uveljavi"), "redo", [this] { FEdit->Redo(); }},
        {&Dodaj1, "Dodaj1", QT_TRANSLATE_NOOP("TFormKalvo", "&Dodaj"), Qt::CTRL | Qt::Key_D, QT_TRANSLATE_NOOP("TFormKalvo", "Dodaj kriterij"), "addcriterion", [this] { FCriteria->Add(); }},
        {&Izloi1, "Izloi1", QT_TRANSLATE_NOOP("TFormKalvo", "&Izloci"), Qt::CTRL | Qt::Key_I, QT_TRANSLATE_NOOP("TFormKalvo", "Izloci kriterij"), "removecriterion",
         [this] { FCriteria->Remove(); }},
        {&Dodaj2, "Dodaj2", QT_TRANSLATE_NOOP("TFormKalvo", "&Dodaj"), Qt::CTRL | Qt::Key_R, QT_TRANSLATE_NOOP("TFormKalvo", "Dodaj rešitev"), "addsolution", [this] { FSolutions->Add(); }},
        {&Preimenuj1, "Preimenuj1", QT_TRANSLATE_NOOP("TFormKalvo", "&Preimenuj"), {}, nullptr, nullptr, [this] { FSolutions->Rename(); }},
        {&Odstrani1, "Odstrani1", QT_TRANSLATE_NOOP("TFormKalvo", "&Odstrani"), Qt::CTRL | Qt::Key_E, QT_TRANSLATE_NOOP("TFormKalvo", "Odstrani rešitev"), "removesolution",
         [this] { FSolutions->Remove(); }},
        {&Odstranivse1, "Odstranivse1", QT_TRANSLATE_NOOP("TFormKalvo", "Odstrani &vse"), Qt::CTRL | Qt::Key_G, nullptr, nullptr,
         [this] { FSolutions->RemoveAll(); }},
        {&Natannametoda1, "Natannametoda1", QT_TRANSLATE_NOOP("TFormKalvo", "Natancna metoda"), {}, nullptr, nullptr, [this] { FAnalysis->ExactMethod(); }},
        {&Priblinametoda1, "Priblinametoda1", QT_TRANSLATE_NOOP("TFormKalvo", "Približna metoda"), {}, nullptr, nullptr,
         [this] { FAnalysis->ApproximateMethod(); }},
        {&Model1, "Model1", QT_TRANSLATE_NOOP("TFormKalvo", "Model"), {}, nullptr, "report", [this] { FAnalysis->ModelReport(); }},
        {&Izbran1, "Izbran1", QT_TRANSLATE_NOOP("TFormKalvo", "Kriterij"), {}, nullptr, nullptr, [this] { FAnalysis->CriterionReport(); }},
        {&Izbran2, "Izbran2", QT_TRANSLATE_NOOP("TFormKalvo", "Rešitev"), {}, nullptr, nullptr, [this] { FAnalysis->SolutionsReport(); }},
        {&SensitivityAction, "SensitivityAction", QT_TRANSLATE_NOOP("TFormKalvo", "&Občutljivost"), {}, nullptr, nullptr, [this] { FAnalysis->Sensitivity(); }},
        {&AdviceAction, "AdviceAction", QT_TRANSLATE_NOOP("TFormKalvo", "&Predlogi za doslednost"), {}, QT_TRANSLATE_NOOP("TFormKalvo", "Predlogi za doslednost"), nullptr,
         [this] { FAnalysis->Advice(); }},
        {&QuestionnaireAction, "QuestionnaireAction", QT_TRANSLATE_NOOP("TFormKalvo", "Izvozi &vprašalnik..."), {}, nullptr, nullptr,
         [this] { FFile->ExportQuestionnaire(); }},
        {&ImportAnswersAction, "ImportAnswersAction", QT_TRANSLATE_NOOP("TFormKalvo", "Uvozi &odgovore..."), {}, nullptr, nullptr,
         [this] { FAnalysis->ImportAnswers(); }},
        {&UncertaintyAction, "UncertaintyAction", QT_TRANSLATE_NOOP("TFormKalvo", "Ne&gotovost"), {}, nullptr, nullptr,
         [this] { FAnalysis->Uncertainty(); }},
        {&DistributiveModeAction, "DistributiveModeAction", QT_TRANSLATE_NOOP("TFormKalvo", "&Distributivni način"), {}, nullptr, nullptr,
         [this] { FAnalysis->SetMode(false); }},
        {&IdealModeAction, "IdealModeAction", QT_TRANSLATE_NOOP("TFormKalvo", "&Idealni način"), {}, nullptr, nullptr,
         [this] { FAnalysis->SetMode(true); }},
        {&ParticipantsAction, "ParticipantsAction", QT_TRANSLATE_NOOP("TFormKalvo", "&Udeleženci"), {}, nullptr, nullptr, [this] { FAnalysis->Participants(); }},
        {&ImportSurveyAction, "ImportSurveyAction", QT_TRANSLATE_NOOP("TFormKalvo", "Uvozi &anketo..."), {}, nullptr, nullptr, [this] { FAnalysis->ImportSurvey(); }},
        {&HelpContentsItem, "HelpContentsItem", QT_TRANSLATE_NOOP("TFormKalvo", "V&sebina"), Qt::Key_F1, QT_TRANSLATE_NOOP("TFormKalvo", "Pomoc"), "help",
         [this] { FAnalysis->Help(); }},
        {&Debug1, "Debug1", QT_TRANSLATE_NOOP("TFormKalvo", "Debug"), {}, nullptr, nullptr, [this] { FAnalysis->ToggleDebug(); }},
        {&HelpAboutItem, "HelpAboutItem", QT_TRANSLATE_NOOP("TFormKalvo", "&Vizitka"), {}, nullptr, nullptr, [this] { FAnalysis->About(); }},
    };
    for (const auto &command : commands) {
        auto *action = new QAction(tr(command.caption), this);
        action->setObjectName(QString::fromLatin1(command.name));
        action->setShortcut(command.shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        if (command.hint)
            action->setToolTip(tr(command.hint));
        if (command.icon)
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(command.icon))));
        *command.action = action;
        Bind(action, command.handler);
    }
    // The desktop's own undo and redo icons where it has them.
    UndoAction->setIcon(QIcon::fromTheme(QStringLiteral("edit-undo"), UndoAction->icon()));
    RedoAction->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo"), RedoAction->icon()));
    RedoAction->setShortcuts({Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
    HelpContentsItem->setStatusTip(tr("Display the help contents screen"));
    HelpAboutItem->setStatusTip(tr("Informacije o programu"));

    FMethods = new QActionGroup(this);
    for (QAction *method : {Natannametoda1, Priblinametoda1}) {
        method->setCheckable(true);
        FMethods->addAction(method);
    }
    Natannametoda1->setChecked(true);
    auto *modes = new QActionGroup(this);
    for (QAction *mode : {DistributiveModeAction, IdealModeAction}) {
        mode->setCheckable(true);
        modes->addAction(mode);
    }
    DistributiveModeAction->setChecked(true);
    Debug1->setCheckable(true);
    // A group of its own draws the radio-style dot; it may be switched off again.
    auto *debugGroup = new QActionGroup(this);
    debugGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    debugGroup->addAction(Debug1);
}

void TFormKalvo::CreateMenus()
{
    QMenu *datoteka = menuBar()->addMenu(tr("&Datoteka"));
    datoteka->setObjectName(QStringLiteral("Datoteka1"));
    datoteka->addActions({Novmodel1, Izbiramodela1, Shrani1, Shranjevanjmodela1});
    datoteka->addSeparator();
    datoteka->addActions({ExportResultsAction, ExportPictureAction, QuestionnaireAction});
    datoteka->addSeparator();
    datoteka->addAction(Izhod1);

    QMenu *urejanje = menuBar()->addMenu(tr("&Urejanje"));
    urejanje->setObjectName(QStringLiteral("Urejanje1"));
    urejanje->addActions({UndoAction, RedoAction});

    QMenu *kriterij = menuBar()->addMenu(tr("&Kriterij"));
    kriterij->setObjectName(QStringLiteral("Kriterij1"));
    kriterij->addActions({Dodaj1, Izloi1});

    QMenu *resitve = menuBar()->addMenu(tr("&Rešitev"));
    resitve->setObjectName(QStringLiteral("Reitve1"));
    resitve->addActions({Dodaj2, Preimenuj1, Odstrani1});
    resitve->addSeparator();
    resitve->addAction(Odstranivse1);

    QMenu *analiza = menuBar()->addMenu(tr("&Analiza"));
    analiza->setObjectName(QStringLiteral("Vrednotenje1"));
    analiza->addActions({Natannametoda1, Priblinametoda1});
    analiza->addSeparator();
    analiza->addActions({DistributiveModeAction, IdealModeAction});
    analiza->addSeparator();
    QMenu *izpisi = analiza->addMenu(tr("&Izpisi"));
    izpisi->setObjectName(QStringLiteral("Izpisi1"));
    izpisi->addActions({Model1, Izbran1, Izbran2});
    analiza->addSeparator();
    analiza->addActions({SensitivityAction, UncertaintyAction, AdviceAction});
    analiza->addSeparator();
    analiza->addActions({ParticipantsAction, ImportSurveyAction, ImportAnswersAction});

    QMenu *pomoc = menuBar()->addMenu(tr("&Pomoc"));
    pomoc->setObjectName(QStringLiteral("HelpMenu"));
    pomoc->addAction(HelpContentsItem);
    // The interface language, from the next start on; each language by its own name.
    QMenu *jezik = pomoc->addMenu(tr("&Jezik"));
    jezik->setObjectName(QStringLiteral("LanguageMenu"));
    auto *languages = new QActionGroup(this);
    for (const auto &[code, name] : {std::pair{"sl", "Slovenščina"}, std::pair{"en", "English"}}) {
        QAction *item = jezik->addAction(QString::fromUtf8(name));
        item->setObjectName(QStringLiteral("Language_") + QLatin1String(code));
        item->setCheckable(true);
        item->setChecked(TKalvoApplication::Language() == QLatin1String(code));
        languages->addAction(item);
        const QString language = QString::fromLatin1(code);
        connect(item, &QAction::triggered, this, [this, language] { Run([&] { FAnalysis->ChooseLanguage(language); }); });
    }
    pomoc->addSeparator();
    pomoc->addAction(Debug1);
    pomoc->addSeparator();
    pomoc->addAction(HelpAboutItem);

    // The pop-up menus carry their own captions but run the same handlers.
    auto twin = [this](QMenu *menu, const QString &caption, QAction *command) {
        QAction *item = menu->addAction(caption);
        connect(item, &QAction::triggered, command, &QAction::trigger);
    };
    popup_kriteriji = new QMenu(this);
    popup_kriteriji->setObjectName(QStringLiteral("popup_kriteriji"));
    twin(popup_kriteriji, tr("Dodaj"), Dodaj1);
    twin(popup_kriteriji, tr("Izloci"), Izloi1);
    popup_resitve = new QMenu(this);
    popup_resitve->setObjectName(QStringLiteral("popup_resitve"));
    twin(popup_resitve, tr("Dodaj"), Dodaj2);
    twin(popup_resitve, tr("Preimenuj"), Preimenuj1);
    twin(popup_resitve, tr("Odstrani"), Odstrani1);
    popup_resitve->addSeparator();
    twin(popup_resitve, tr("Odstrani vse"), Odstranivse1);
}

void TFormKalvo::CreateToolBar()
{
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    ToolBar1->addActions({Novmodel1, Izbiramodela1});
    ToolBar1->addWidget(Gap(35));
    ToolBar1->addActions({Shrani1, Shranjevanjmodela1});
    ToolBar1->addWidget(Gap(23));
    ToolBar1->addActions({UndoAction, RedoAction});
    ToolBar1->addWidget(Gap(23));
    ToolBar1->addActions({Dodaj1, Izloi1});
    ToolBar1->addWidget(Gap(23));
    ToolBar1->addActions({Dodaj2, Odstrani1});
    ToolBar1->addSeparator();
    ToolBar1->addAction(Model1);
    FReportButton = ToolBar1->widgetForAction(Model1);
    FReportButton->installEventFilter(this);   // this button has no tooltip
    ToolBar1->addWidget(Gap(23));
    ToolBar1->addAction(HelpContentsItem);
    ToolBar1->addWidget(Gap(23));
    ParticipantSelector = new QComboBox;
    ParticipantSelector->setObjectName(QStringLiteral("ParticipantSelector"));
    ParticipantSelector->setToolTip(tr("Čigave sodbe kaže in ureja mreža"));
    ParticipantSelector->setMinimumContentsLength(12);
    FParticipantAction = ToolBar1->addWidget(ParticipantSelector);
    FParticipantAction->setVisible(false);
    connect(ParticipantSelector, &QComboBox::currentIndexChanged, this, [this](int index) {
        Run([this, index] {
            Document.SetParticipant(index - 1);
        });
    });
    for (QAction *action : ToolBar1->actions())
        if (QWidget *button = ToolBar1->widgetForAction(action))
            if (qobject_cast<QToolButton *>(button))
                button->setFixedSize(23, 25);
}

