#include "UiTestSupport.h"

#include "ui/dialogs/FormPopup_kriterij.h"
#include "ui/mainwindow/ResultsPanel.h"
#include "ui/mainwindow/StringGrid.h"
#include "storage/TextFiles.h"

#include <QAction>
#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

TWindow::TWindow()
{
    Form.show();
    Form.activateWindow();
    if (!QTest::qWaitForWindowActive(&Form))
        qWarning("the main window did not become active");
}

void TWindow::Key(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : static_cast<QWidget *>(Form.tv_kriteriji);
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

QTreeWidgetItem *TWindow::Item(const QString &name) const
{
    const auto items = Form.tv_kriteriji->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.first();
}

void TWindow::ClickNode(const QString &name)
{
    QTreeWidgetItem *item = Item(name);
    QVERIFY2(item, qPrintable(name));
    QTest::mouseClick(Form.tv_kriteriji->viewport(), Qt::LeftButton, {},
                      Form.tv_kriteriji->visualItemRect(item).center());
}

void TWindow::DoubleClickNode(const QString &name)
{
    ClickNode(name);
    QTest::mouseDClick(Form.tv_kriteriji->viewport(), Qt::LeftButton, {},
                       Form.tv_kriteriji->visualItemRect(Item(name)).center());
}

QString TWindow::Status(int panel) const
{
    return Form.StatusPanels[panel]->text();
}

QStringList TWindow::RowNames() const
{
    QStringList names;
    for (int i = 0; i < Form.Panel2->RowCount(); ++i)
        names << Form.Panel2->NameLabel(i)->text();
    return names;
}

QString TWindow::Score(int row) const
{
    return Form.Panel2->ValueLabel(row)->text();
}

TStringGrid *TWindow::Grid() const
{
    return Form.sg_matrika;
}

QPoint TWindow::CellCenter(int c, int r) const
{
    return Grid()->visualRect(Grid()->model()->index(r - 1, c - 1)).center();
}

void TWindow::ClickCell(int c, int r)
{
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, CellCenter(c, r));
}

void TWindow::DoubleClickCell(int c, int r)
{
    ClickCell(c, r);
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, CellCenter(c, r));
}

void TWindow::Type(const QString &text)
{
    for (const QChar ch : text) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : Grid();
        QTest::keyClick(target, ch.toLatin1());
    }
}

TMatrix &TWindow::Selected() const
{
    return *Model.Tree.Selected()->Matrix;
}

void AnswerName(const QString &name)
{
    TModalHost::PushAnswer([name](QWidget *dialog) {
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("Edit1"));
        edit->clear();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

void AnswerCriterion(const QString &name, int kind, bool replaceName)
{
    TModalHost::PushAnswer([=](QWidget *dialog) {
        auto *form = static_cast<TFormPopup_kriterij *>(dialog);
        if (replaceName)
            form->Edit1->clear();
        QTest::keyClicks(form->Edit1, name);
        // On the button's circle: a short label ("Ocene") leaves the button's middle empty.
        QRadioButton *button = form->RG_Tip->findChildren<QRadioButton *>().at(kind);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QTest::mouseClick(form->Button1, Qt::LeftButton);
    });
}

void AnswerFile(const QString &path)
{
    TModalHost::PushAnswer([path](QWidget *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        // Typing would move the list's selection to the name; setting the text does not.
        for (auto *view : dialog->findChildren<QAbstractItemView *>())
            view->clearSelection();
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
}

void AnswerAndRecord(QStringList *log, QMessageBox::StandardButton button)
{
    TModalHost::PushAnswer([log, button](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            *log << box->windowTitle() + QStringLiteral(": ") + box->text();
            QTest::mouseClick(box->button(button), Qt::LeftButton);
            return;
        }
        *log << modal->objectName();
        if (auto *name = modal->findChild<QLineEdit *>(QStringLiteral("Edit1")))
            QTest::keyClick(name, Qt::Key_Escape);
        else
            QTest::keyClick(modal, Qt::Key_Escape);
    });
}

void ClickMenuItem(TFormKalvo &form, const char *menuName, QAction *action)
{
    auto *menu = form.findChild<QMenu *>(QString::fromLatin1(menuName));
    QVERIFY(menu);
    form.menuBar()->setActiveAction(menu->menuAction());
    QTRY_VERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

bool DrawsCarons(QLabel *label)
{
    auto topInk = [label] {
        const QImage image = label->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    return y;
        return image.height();
    };
    const QString text = label->text();
    const int withCarons = topInk();
    label->setText(QString(text).replace(QChar(0x17D), QLatin1Char('Z')).replace(QChar(0x160), QLatin1Char('S'))
                       .replace(QChar(0x10C), QLatin1Char('C')));
    const int without = topInk();
    label->setText(text);
    return withCarons < without;
}
