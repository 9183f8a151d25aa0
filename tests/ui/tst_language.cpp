#include "TestMain.h"
#include "UiTestSupport.h"
#include "storage/Language.h"
#include "ui/report/ReportView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>

namespace {

// The Slovenian texts that have an English of their own, as patterns (%1 stands
// for anything), from the catalog.
std::vector<QRegularExpression> SlovenianTexts()
{
    QFile file(QStringLiteral(KALVO_TS_FILE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the catalog");
    std::vector<QRegularExpression> texts;
    QXmlStreamReader xml(&file);
    QString source;
    auto plain = [](QString text) { return text.remove(QLatin1Char('&')).trimmed(); };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && plain(xml.readElementText()) != plain(source)) {
            QString pattern = QRegularExpression::escape(plain(source));
            pattern.replace(QRegularExpression(QStringLiteral("%\\d")), QStringLiteral(".*"));
            texts.emplace_back(QStringLiteral("^") + pattern + QStringLiteral("$"),
                               QRegularExpression::DotMatchesEverythingOption);
        }
    }
    return texts;
}

// Every text a person reads in a window: captions, labels, buttons, menus, tips.
void CollectTexts(QWidget *widget, QStringList &texts)
{
    auto add = [&](const QString &text) {
        if (!text.trimmed().isEmpty())
            texts << text;
    };
    add(widget->windowTitle());
    add(widget->toolTip());
    add(widget->statusTip());
    if (auto *label = qobject_cast<QLabel *>(widget))
        add(label->text());
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        add(button->text());
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        add(group->title());
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        add(edit->placeholderText());
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        for (int i = 0; i < combo->count(); ++i)
            add(combo->itemText(i));
    if (auto *menu = qobject_cast<QMenu *>(widget))
        add(menu->title());
    for (QAction *action : widget->actions()) {
        add(action->text());
        add(action->toolTip());
        add(action->statusTip());
        if (action->menu())
            CollectTexts(action->menu(), texts);
    }
    for (QWidget *child : widget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->inherits("QWebEngineView"))   // the reports keep their Slovenian
            CollectTexts(child, texts);
}

// An answer for whatever modal window comes next: its texts, then Escape.
void RecordAndClose(QStringList *texts)
{
    TModalHost::PushAnswer([texts](QWidget *modal) {
        CollectTexts(modal, *texts);
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            *texts << box->text() << box->informativeText();
        if (auto *name = modal->findChild<QLineEdit *>(QStringLiteral("Edit1")))
            QTest::keyClick(name, Qt::Key_Escape);
        else
            QTest::keyClick(modal, Qt::Key_Escape);
    });
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void noSlovenianInTheEnglishWindows();
};

// With English chosen, every menu, dialog, message box and status text the
// command table opens is English (the user's own names aside).
void TestLanguage::noSlovenianInTheEnglishWindows()
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("car"));
    WriteGroupModelSet(base, {"Car", "\tPrice", "\tSafety"}, {"Ann", "Bob"}, {"1", "", "", "1"});

    QDir::setCurrent(dir.path());   // the reports are written where the program runs
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(base); });
    QStringList texts;
    CollectTexts(&w.Form, texts);
    // As Ann: her status line, and the ratio dialog from a double click on a cell.
    w.Form.ParticipantSelector->setFocus();
    QTest::keyClick(w.Form.ParticipantSelector, Qt::Key_Down);
    CollectTexts(&w.Form, texts);
    RecordAndClose(&texts);
    w.DoubleClickCell(2, 1);
    QVERIFY(texts.contains(QStringLiteral("Not compared")));

    // Each command of the menus, by a click in its menu; whatever it opens is read and closed.
    std::function<void(QMenu *)> walk = [&](QMenu *menu) {
        for (QAction *action : menu->actions()) {
            if (action->menu()) {
                walk(action->menu());
                continue;
            }
            if (action->isSeparator() || !action->isEnabled() || action == w.Form.Izhod1
                || action->objectName().startsWith(QLatin1String("Language_")))
                continue;
            for (int i = 0; i < 3; ++i)
                RecordAndClose(&texts);   // a question may come before the dialog
            // Open the menus down to this one, each by a click on its item in the one above.
            std::vector<QMenu *> chain{menu};
            while (auto *parent = qobject_cast<QMenu *>(chain.front()->parentWidget()))
                chain.insert(chain.begin(), parent);
            w.Form.menuBar()->setActiveAction(chain.front()->menuAction());
            QTRY_VERIFY(chain.front()->isVisible());
            for (size_t i = 1; i < chain.size(); ++i) {
                QTest::mouseClick(chain[i - 1], Qt::LeftButton, {},
                                  chain[i - 1]->actionGeometry(chain[i]->menuAction()).center());
                QTRY_VERIFY(chain[i]->isVisible());
            }
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            QTest::qWait(50);
            for (QWidget *window : QApplication::topLevelWidgets())
                if (window->isVisible() && window != &w.Form && !qobject_cast<QMenu *>(window)) {
                    CollectTexts(window, texts);
                    window->close();
                }
            TModalHost::ClearAnswers();
            CollectTexts(&w.Form, texts);   // what the command changed in the window
        }
    };
    for (QAction *top : w.Form.menuBar()->actions())
        walk(top->menu());

    const std::vector<QRegularExpression> slovenian = SlovenianTexts();
    QStringList found;
    for (QString text : texts) {
        text = text.remove(QLatin1Char('&')).trimmed();
        if (text == QStringLiteral("Slovenščina"))
            continue;   // the language's own name, beside "English"
        bool hit = text.contains(QRegularExpression(QStringLiteral("[čšžČŠŽ]")));
        for (const QRegularExpression &pattern : slovenian)
            hit = hit || pattern.match(text).hasMatch();
        if (hit && !found.contains(text))
            found << text;
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("\n"))));
    QVERIFY(texts.contains(QStringLiteral("&File")) && texts.contains(QStringLiteral("Add criterion")));
}

// The window in English: the language chosen in the (test's own) settings.
int main(int argc, char *argv[])
{
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    RememberLanguage(QStringLiteral("en"));
    TReportView::Prepare();
    TKalvoApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestLanguage tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return RunEachTestFunction(&tc, argc, argv);
}

#include "tst_language.moc"
