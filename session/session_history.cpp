// The session's side of the history: keeping each read and what changed, the stars, the
// kept reads for the History window, and the reads that wait while another program holds
// the history.
#include <QCoreApplication>
#include <QDir>

#include "session/logging.h"
#include "session/roster_model.h"
#include "session/roster_session.h"

namespace foalix::session {

using savedata::Foals;

void RosterSession::keep(LoadedRoster& roster) {
    if (!history_) {
        return;
    }
    const history::ReadInfo read{roster.saveFolder, roster.slot, QDateTime::currentSecsSinceEpoch(),
                                 roster.fileTime, roster.contentHash};
    const Foals foals = foalsOf(roster.table, roster.used);
    if (const auto baseline = history_->keep(read, foals)) {
        roster.changes = ReadChanges(diffRosters(baseline->foals, foals),
                                     QDateTime::fromSecsSinceEpoch(baseline->read.readAt));
    }
    showHistoryNotice();
    if (history_->hasWaiting() && !waitingReads_.isActive()) {
        waitingReads_.start();
    }
}

// Tried without waiting, so the window never waits for the other program either. A
// failure of another kind is said, and the reads wait for the next read that can write.
void RosterSession::keepWaitingReads() {
    if (!history_ || history_->keepWaiting()) {
        waitingReads_.stop();
        showHistoryNotice();
        emit historyChanged();
    } else if (!history_->metLock()) {
        waitingReads_.stop();
        showHistoryNotice();
    }
}

void RosterSession::readMarks(LoadedRoster& roster) {
    if (!history_) {
        return;
    }
    roster.starred = history::starredAmong(history_->stars(roster.saveFolder, roster.slot),
                                           roster.table, roster.used);
    roster.notes = history::notesAmong(history_->notes(roster.saveFolder, roster.slot),
                                       roster.table, roster.used);
    showHistoryNotice();
}

std::optional<NotedFoal> RosterSession::notedFoal(int record) const {
    const savedata::HorseEntry* foal = roster_ ? roster_->heldBy(record) : nullptr;
    if (foal == nullptr) {
        return std::nullopt;
    }
    return NotedFoal{roster_->saveFolder, roster_->slot, record, foal->name};
}

bool RosterSession::setNote(int record, const QString& text) {
    const auto foal = notedFoal(record);
    return foal && setNote(*foal, text);
}

bool RosterSession::setNote(const NotedFoal& foal, const QString& text) {
    if (!history_) {
        return false;
    }
    const std::string written = text.toStdString();
    if (!history_->note(foal.saveFolder, foal.slot, foal.record, foal.name, written,
                        QDateTime::currentSecsSinceEpoch())) {
        showHistoryNotice();
        return false;
    }
    // Shown at once only where the last load holds that very foal.
    if (notedFoal(foal.record) != foal) {
        return true;
    }
    auto next = std::make_shared<LoadedRoster>(*roster_);
    if (history::isBlankNote(written)) {
        next->notes.erase(foal.record);
    } else {
        next->notes[foal.record] = written;
    }
    roster_ = std::move(next);
    model_->setMarks(roster_);
    emit notesChanged();
    return true;
}

history::Timeline RosterSession::timelineOf(int record) {
    const savedata::HorseEntry* foal = roster_ ? roster_->heldBy(record) : nullptr;
    if (!history_ || foal == nullptr) {
        return {record, {}, {}};
    }
    history::Timeline timeline =
        history_->timeline(roster_->saveFolder, roster_->slot, record, foal->name);
    showHistoryNotice();
    return timeline;
}

bool RosterSession::backUpHistory(const QString& path) {
    const bool copied = history_ && history_->backUp(path.toStdString());
    showHistoryNotice();
    if (copied) {
        emit notice(QCoreApplication::translate("History", "The history is backed up to %1")
                        .arg(QDir::toNativeSeparators(path)));
    }
    return copied;
}

bool RosterSession::restoreHistory(const QString& path) {
    if (!history_ || !history_->restore(path.toStdString())) {
        showHistoryNotice();
        return false;
    }
    showHistoryNotice();
    if (roster_) {
        auto next = std::make_shared<LoadedRoster>(*roster_);
        readMarks(*next);
        roster_ = std::move(next);
        model_->setMarks(roster_);
        emit starsChanged();
        emit notesChanged();
    }
    emit historyChanged();
    return true;
}

QString RosterSession::noteOn(int record) const {
    return roster_ ? QString::fromStdString(roster_->noteOn(record)) : QString();
}

void RosterSession::toggleStars(const std::vector<int>& records) {
    if (!history_ || !roster_) {
        return;
    }
    std::vector<int> chosen;
    std::ranges::copy_if(records, std::back_inserter(chosen),
                         [this](int record) { return roster_->lists(record); });
    if (chosen.empty()) {
        return;
    }
    const bool on = !std::ranges::all_of(
        chosen, [this](int record) { return roster_->starred.contains(record); });
    auto next = std::make_shared<LoadedRoster>(*roster_);
    const std::int64_t now = QDateTime::currentSecsSinceEpoch();
    for (int record : chosen) {
        if (!history_->star(next->saveFolder, next->slot, record, next->table.row(record).name, on,
                            now)) {
            break;
        }
        if (on) {
            next->starred.insert(record);
        } else {
            next->starred.erase(record);
        }
    }
    showHistoryNotice();
    roster_ = std::move(next);
    model_->setMarks(roster_);
    emit starsChanged();
}

std::vector<history::KeptRead> RosterSession::keptReads(const std::string& saveFolder, int slot) {
    std::vector<history::KeptRead> reads;
    if (history_ && slot != 0) {
        reads = history_->reads(saveFolder, slot);
        showHistoryNotice();
    }
    return reads;
}

Foals RosterSession::keptFoals(std::int64_t readId) {
    Foals foals;
    if (history_) {
        foals = history_->foalsOf(readId);
        showHistoryNotice();
    }
    return foals;
}

savedata::RosterDiff RosterSession::compareReads(std::int64_t olderId, std::int64_t laterId) {
    return savedata::diffRosters(keptFoals(olderId), keptFoals(laterId));
}

void RosterSession::clearHistory() {
    if (history_) {
        history_->clear();
        // Cleared, nothing waits any more; not cleared, the reads still wait their turn.
        if (!history_->hasWaiting()) {
            waitingReads_.stop();
        }
        showHistoryNotice();
        emit historyChanged();
    }
}

// One line in the status bar, never a message box: a reload happens unasked.
void RosterSession::showHistoryNotice() {
    const history::Notice line = history_ ? history_->takeNotice() : history::Notice();
    if (line.empty()) {
        return;
    }
    const QString detail = QString::fromStdString(line.detail);
    QString argument = detail;
    if (line.reason != nullptr) {
        argument = QCoreApplication::translate("History", line.reason);
        if (argument.contains("%1")) {
            argument = argument.arg(detail);
        }
    }
    const QString translated = QCoreApplication::translate("History", line.sentence);
    const QString shown = translated.contains("%1") ? translated.arg(argument) : translated;
    if (line.sentence != history::kWaitingKept) {
        remember(lcHistory(), shown);
    } else {
        qCInfo(lcHistory).noquote() << shown;
    }
    emit notice(shown);
}

}  // namespace foalix::session
