#include "session/roster_session.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

#include "history/history.h"
#include "savedata/install_folders.h"
#include "savedata/list_order.h"
#include "savedata/run_time_error.h"
#include "savedata/slot_file.h"
#include "savedata/slot_path.h"
#include "session/roster_model.h"
#include "session/slot_watcher.h"

namespace foalix::session {

using namespace savedata;

namespace {

// The SHA-1 of the bytes read, in hex: an identity of the content, quicker to make than
// SHA-256 on every reload.
std::string contentHash(const std::vector<Byte>& bytes) {
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return QCryptographicHash::hash(view, QCryptographicHash::Sha1).toHex().toStdString();
}

// The best value of each graded field among the foals listed, for the table to mark.
void markStandouts(LoadedRoster& roster) {
    std::vector<const savedata::HorseEntry*> listed;
    for (int record : roster.listed) {
        listed.push_back(&roster.table.row(record));
    }
    for (std::size_t i = 0; i < savedata::kHorseFields.size(); ++i) {
        roster.standouts.at(i) = standoutRank(savedata::kHorseFields.at(i), listed);
    }
}

}  // namespace

QString defaultHistoryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString runTimeErrorText(int number, const std::string& description) {
    return RosterSession::tr("Run-time error '%1':\n\n%2")
        .arg(number)
        .arg(QCoreApplication::translate("RunTimeError", description.c_str()));
}

RosterSession::RosterSession(platform::Platform& platform, const QString& historyFolder,
                             QObject* parent)
    : QObject(parent),
      platform_(platform),
      settings_(platform.settings),
      historyFile_(QDir(historyFolder.isEmpty() ? defaultHistoryFolder() : historyFolder)
                       .filePath(history::kHistoryFileName)),
      model_(new RosterModel(this)),
      watcher_(new SlotWatcher([this] { return reload(); }, SlotWatcher::kRetryMs, this)),
      following_(settings_.follow()),
      nameEncoding_(settings_.nameEncoding()) {
    if (!historyFolder.isEmpty()) {
        history_ = std::make_unique<history::History>(historyFile_.toStdString());
    }
}

RosterSession::~RosterSession() = default;

template <typename Action>
bool RosterSession::reporting(Action&& action) {
    const auto failure = failureOf(std::forward<Action>(action));
    if (failure) {
        emit failed(runTimeErrorText(failure->number(), failure->description()), true);
    }
    return !failure;
}

bool RosterSession::settleSaveFolder() {
    const QString defaultFolder = platform_.folders.saveFolder;
    // Stored unless it is already: a write waits for the disk, at every start.
    if (platform_.files.exists(defaultFolder) && settings_.saveFolder({}) != defaultFolder) {
        reporting([&] { settings_.setSaveFolder(defaultFolder); });
    }
    RK5Path = settings_.saveFolder(defaultFolder);
    return platform_.files.exists(RK5Path);
}

void RosterSession::storeSaveFolder() {
    reporting([&] { settings_.setSaveFolder(RK5Path); });
}

void RosterSession::apply(int slot, AgeBoxes ages) {
    watcher_->stop();
    applied_.reset();
    currentRecord_ = 0;
    publish(nullptr);
    if (!reporting([&] { platform_.files.setCurrentDirectory(RK5Path); })) {
        return;
    }
    const Request request{RK5Path.toStdString(), slot, ages};
    if (load(request, false, true)) {
        applied_ = request;
        follow(false);
    }
}

bool RosterSession::reload(bool asNewRead) {
    return !applied_ || load(*applied_, true, asNewRead);
}

bool RosterSession::load(const Request& request, bool quiet, bool asNewRead) {
    auto roster = std::make_shared<LoadedRoster>();
    roster->saveFolder = request.saveFolder;
    roster->slot = request.slot;
    roster->ages = request.ages;
    LoadResult result;
    const auto read = [&] {
        // The copy the game reads (a VirtualStore copy on Windows): read, and kept as read.
        roster->readFrom = slotFileToRead(composeSlotFile(request.saveFolder, request.slot),
                                          platform_.folders.install);
        result =
            Load_Horses(SlotFile(roster->readFrom), request.ages, roster->table, nameEncoding_);
    };
    if (quiet) {
        if (failureOf(read)) {
            return false;
        }
    } else if (!reporting(read)) {
        return false;
    }
    if (const char* message = statusMessage(result.status)) {
        if (!quiet) {
            emit failed(QCoreApplication::translate("Load", message), false);
        }
        return false;
    }
    roster->used = result.usedRows;
    roster->listed = inListOrder(roster->table, result.listedRows);
    roster->total = result.total;
    markStandouts(*roster);
    readStars(*roster);
    roster->encoding = result.encoding;
    // The very bytes decoded and the time of the file they came from, not a later look.
    roster->fileTime = result.contents.modified;
    roster->contentHash = contentHash(result.contents.bytes);
    // The same save read again another way (names in another code page) is no new read.
    if (asNewRead) {
        keep(*roster);
    }
    publish(std::move(roster));
    return true;
}

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
}

void RosterSession::readStars(LoadedRoster& roster) {
    if (!history_) {
        return;
    }
    roster.starred = history::starredAmong(history_->stars(roster.saveFolder, roster.slot),
                                           roster.table, roster.used);
    showHistoryNotice();
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
    model_->setStars(roster_);
    emit starsChanged();
}

// The model first, so every view sees the new rows when it hears of the load; the current
// foal stays when the new load still lists it: the same record with the same name (a
// record whose name changed holds another foal).
void RosterSession::publish(std::shared_ptr<const LoadedRoster> roster) {
    const bool stays =
        roster_ && roster && roster->lists(currentRecord_) &&
        roster->table.row(currentRecord_).name == roster_->table.row(currentRecord_).name;
    roster_ = std::move(roster);
    if (!stays) {
        currentRecord_ = 0;
    }
    model_->setRoster(roster_);
    emit rosterChanged(roster_);
    emit currentRecordChanged(currentRecord_);
}

void RosterSession::setCurrentRecord(int record) {
    if (record == currentRecord_ || (record != 0 && !(roster_ && roster_->lists(record)))) {
        return;
    }
    currentRecord_ = record;
    emit currentRecordChanged(record);
}

void RosterSession::setFollowing(bool on) {
    following_ = on;
    // A convenience: a store that cannot be written keeps the last choice.
    failureOf([&] { settings_.setFollow(on); });
    follow(on);
}

void RosterSession::follow(bool readAtOnce) {
    if (!following_ || !applied_) {
        watcher_->stop();
        return;
    }
    QStringList candidates;
    for (const std::string& path : gameFileCandidates(
             composeSlotFile(applied_->saveFolder, applied_->slot), platform_.folders.install)) {
        candidates << QString::fromStdString(path);
    }
    watcher_->watch(candidates);
    if (readAtOnce) {
        watcher_->readNow();
    }
}

void RosterSession::setNameEncoding(NameEncodingChoice choice) {
    nameEncoding_ = choice;
    reporting([&] { settings_.setNameEncoding(choice); });
    reload(false);
}

std::vector<history::KeptRead> RosterSession::keptReads(const std::string& saveFolder, int slot) {
    std::vector<history::KeptRead> reads;
    if (history_ && slot != 0) {
        reads = history_->reads(saveFolder, slot);
        showHistoryNotice();
    }
    return reads;
}

savedata::Foals RosterSession::keptFoals(std::int64_t readId) {
    savedata::Foals foals;
    if (history_) {
        foals = history_->foalsOf(readId);
        showHistoryNotice();
    }
    return foals;
}

void RosterSession::clearHistory() {
    if (history_) {
        history_->clear();
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
    emit notice(QCoreApplication::translate("History", line.sentence).arg(argument));
}

}  // namespace foalix::session
