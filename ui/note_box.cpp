#include "ui/note_box.h"

#include <QLabel>
#include <QVBoxLayout>

#include "session/roster_model.h"
#include "session/roster_session.h"
#include "ui/note_edit.h"
#include "ui/placed_controls.h"

namespace foalix::ui {

NoteBox::NoteBox(session::RosterSession& session, QWidget* parent)
    : QWidget(parent), session_(session), caption_(new QLabel(this)), edit_(new NoteEdit(this)) {
    setObjectName("fraNote");
    edit_->setObjectName("txtNote");
    caption_->setBuddy(edit_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(caption_);
    layout->addWidget(edit_, 1);
    connect(edit_, &NoteEdit::finished, this, &NoteBox::keepNote);
    connect(&session, &session::RosterSession::currentRecordChanged, this, [this] {
        keepNote();  // what was typed for the foal before stays that foal's
        // A read that still shows the foal being written about leaves the box as it is,
        // the cursor and the undo steps where the player has them.
        if (!(edit_->hasFocus() && shown_ &&
              session_.notedFoal(session_.currentRecord()) == shown_)) {
            showNote();
        }
    });
    connect(&session, &session::RosterSession::notesChanged, this, [this] {
        if (!edit_->hasFocus()) {
            showNote();
        }
    });
    retranslate();
    showNote();
}

void NoteBox::showNote() {
    shown_ = session_.keepsStars() ? session_.notedFoal(session_.currentRecord()) : std::nullopt;
    edit_->setPlainText(shown_ ? session_.noteOn(shown_->record) : QString());
    edit_->document()->setModified(false);
    edit_->setEnabled(shown_.has_value());
}

// Only what the player typed, and for the foal it was typed for, even when a reload has
// brought another foal to that record meanwhile.
void NoteBox::keepNote() {
    if (shown_ && edit_->document()->isModified()) {
        edit_->document()->setModified(false);
        session_.setNote(*shown_, edit_->toPlainText());
    }
}

void NoteBox::retranslate() {
    caption_->setText(
        tr("%1：", "a caption beside its box").arg(session::RosterModel::columnTitle("note")));
    edit_->setAccessibleName(spoken(caption_->text()));
    edit_->setToolTip(
        session_.model()
            ->headerData(session::RosterModel::kNoteColumn, Qt::Horizontal, Qt::ToolTipRole)
            .toString());
}

}  // namespace foalix::ui
