#include "ui/note_edit.h"

#include <QKeyEvent>

namespace foalix::ui {
namespace {

// An editor the player is still writing in: not finished (kept or dropped) and not hidden
// (closing, or its window going).
bool isOpen(const NoteEdit* editor) {
    return editor != nullptr && editor->isVisible() && !editor->property("finished").toBool();
}

}  // namespace

NoteEdit::NoteEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
}

void NoteEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & Qt::ShiftModifier)) {
        emit finished();
        return;
    }
    if (enter) {
        insertPlainText("\n");  // Shift+Enter: a new line, not a paragraph break
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void NoteEdit::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    emit finished();
}

QWidget* NoteDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex&) const {
    auto* editor = new NoteEdit(parent);
    editor->setObjectName("txtNoteCell");
    std::erase_if(editors_, [](const QPointer<NoteEdit>& open) { return open.isNull(); });
    editors_.emplace_back(editor);
    connect(editor, &NoteEdit::finished, this, [this, editor] {
        // Once only: closing the editor takes its focus away, which finishes it again; nor
        // while its window closes (hidden, the table is going).
        if (!isOpen(editor)) {
            return;
        }
        editor->setProperty("finished", true);
        emit const_cast<NoteDelegate*>(this)->commitData(editor);
        emit const_cast<NoteDelegate*>(this)->closeEditor(editor);
    });
    return editor;
}

void NoteDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* note = static_cast<NoteEdit*>(editor);
    note->setPlainText(index.data(Qt::EditRole).toString());
    note->moveCursor(QTextCursor::End);
    note->document()->setModified(false);
}

bool NoteDelegate::isWriting() const {
    return std::ranges::any_of(editors_,
                               [](const QPointer<NoteEdit>& editor) { return isOpen(editor); });
}

void NoteDelegate::keepTypedNotes() {
    for (NoteEdit* editor : editors_) {
        if (isOpen(editor) && editor->document()->isModified()) {
            editor->document()->setModified(false);
            emit commitData(editor);
        }
    }
}

void NoteDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    model->setData(index, static_cast<NoteEdit*>(editor)->toPlainText(), Qt::EditRole);
}

// Over the cell and below it, room for a few lines, within the table.
void NoteDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const {
    QRect place = option.rect;
    place.setWidth(std::max(place.width(), 16 * option.fontMetrics.averageCharWidth()));
    place.setHeight(4 * option.fontMetrics.lineSpacing() + 8);
    if (const QWidget* view = editor->parentWidget()) {
        place.moveBottom(std::min(place.bottom(), view->rect().bottom()));
        place.moveRight(std::min(place.right(), view->rect().right()));
    }
    editor->setGeometry(place);
}

// Escape drops the editor without keeping what was typed; the rest is the editor's own
// (QStyledItemDelegate would take Enter and Tab for itself).
bool NoteDelegate::eventFilter(QObject* editor, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        auto* note = static_cast<NoteEdit*>(editor);
        note->setProperty("finished", true);
        emit closeEditor(note, QAbstractItemDelegate::RevertModelCache);
        return true;
    }
    if (event->type() == QEvent::FocusOut) {
        return false;  // the editor finishes itself
    }
    return event->type() == QEvent::KeyPress ? false
                                             : QStyledItemDelegate::eventFilter(editor, event);
}

}  // namespace foalix::ui
