#include "ui/mainwindow/GridEditDelegate.h"

#include <QLineEdit>

QWidget *TGridEditDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    const QPersistentModelIndex at(index);
    connect(editor, &QLineEdit::textEdited, this, [this, at](const QString &text) {
        if (at.isValid())
            emit TextEdited(at, text, false);
    });
    connect(editor, &QObject::destroyed, this, &TGridEditDelegate::EditorGone);
    FEditor = editor;
    return editor;
}

void TGridEditDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    QStyledItemDelegate::setModelData(editor, model, index);
    emit TextEdited(index, static_cast<QLineEdit *>(editor)->text(), true);
}
