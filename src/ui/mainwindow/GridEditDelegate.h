#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>


// The in-place editor of the comparison grid: reports its text on every change
// the user makes (keystroke, paste, cut, deletion) and once more when it closes.
class TGridEditDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

    // The open editor, if any.
    QLineEdit *Editor() const { return FEditor; }

signals:
    void TextEdited(const QModelIndex &index, const QString &text, bool final) const;
    // The editor is gone, whether its text was taken or not (Escape).
    void EditorGone() const;

private:
    mutable QPointer<QLineEdit> FEditor;
};
