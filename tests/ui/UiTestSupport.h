#pragma once

#include "ui/mainwindow/CriteriaTreeView.h"
#include "ui/mainwindow/FormKalvo.h"
#include "ui/common/ModalHost.h"
#include "model/ModelDocument.h"
#include "ModelSetWriter.h"

#include <QMessageBox>
#include <QStringList>

class QAction;
class QTreeWidgetItem;
class TStringGrid;

// The main window over its own model, shown and active, driven by real events.
struct TWindow
{
    TModelDocument Document;
    TModel &Model = Document.WritableModel();
    TFormKalvo Form{Document};

    TWindow();
    // A key pressed where the keyboard focus is (the tree when nothing has it).
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QTreeWidgetItem *Item(const QString &name) const;
    void ClickNode(const QString &name);
    void DoubleClickNode(const QString &name);
    QString Status(int panel) const;
    QStringList RowNames() const;
    QString Score(int row) const;

    TStringGrid *Grid() const;
    QPoint CellCenter(int c, int r) const;
    void ClickCell(int c, int r);
    void DoubleClickCell(int c, int r);
    // Types as a person does: the first key opens the cell's editor, the rest go to it.
    void Type(const QString &text);
    TMatrix &Selected() const;
};

// Answers for the next modal windows, in the order they come up.
void AnswerName(const QString &name);                                  // name dialogs: type, Enter
void AnswerCriterion(const QString &name, int kind, bool replaceName = false);
void AnswerFile(const QString &path);                                  // file dialogs: type the path, Enter
// Records the window (its object name, or a message box's "caption: text") and
// closes it: the message box with button, anything else with Escape.
void AnswerAndRecord(QStringList *log, QMessageBox::StandardButton button = QMessageBox::Ok);

void ClickMenuItem(TFormKalvo &form, const char *menuName, QAction *action);

// Whether a label showing Ž, Š or Č draws their carons: its ink reaches higher than
// the same text's with Z, S and C in their place.
bool DrawsCarons(class QLabel *label);
