// Where the player writes a note on a foal: a box of several lines in which Enter keeps
// the note and Shift+Enter starts a new line, in the roster table's Note column (through
// NoteDelegate) and under the main window's values.
#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <vector>

namespace foalix::ui {

class NoteEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit NoteEdit(QWidget* parent = nullptr);

  signals:
    // Enter was pressed, or the box lost the focus: the note as it stands is the player's.
    void finished();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The Note column's editor: a NoteEdit over the cell, a few lines tall, keeping the note
// when it is finished; Escape drops what was typed.
class NoteDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // Keeps what was typed in an open editor, which stays open: called before a read of the
    // save replaces the rows, so the note goes to the foal it was typed for.
    void keepTypedNotes();
    // Whether an editor is open, the player writing in it.
    bool isWriting() const;

  protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

  private:
    mutable std::vector<QPointer<NoteEdit>> editors_;
};

}  // namespace foalix::ui
