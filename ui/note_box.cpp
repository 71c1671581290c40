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
        showNote();
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
    record_ = session_.keepsStars() ? session_.currentRecord() : 0;
    edit_->setPlainText(record_ != 0 ? session_.noteOn(record_) : QString());
    edit_->setEnabled(record_ != 0);
}

void NoteBox::keepNote() {
    if (record_ != 0 && edit_->toPlainText() != session_.noteOn(record_)) {
        session_.setNote(record_, edit_->toPlainText());
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
