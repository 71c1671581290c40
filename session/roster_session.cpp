#include "session/roster_session.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

#include "savedata/install_folders.h"
#include "savedata/list_order.h"
#include "savedata/run_time_error.h"
#include "savedata/slot_file.h"
#include "savedata/slot_path.h"
#include "session/logging.h"
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

RosterSession::RosterSession(platform::Platform& platform, const QString& historyFolder,
                             QObject* parent)
    : QObject(parent),
      platform_(platform),
      settings_(new Settings(platform.settings, this)),
      historyFile_(QDir(historyFolder.isEmpty() ? defaultHistoryFolder() : historyFolder)
                       .filePath(history::kHistoryFileName)),
      model_(new RosterModel(this)),
      watcher_(new SlotWatcher([this] { return reload(); }, SlotWatcher::kRetryMs, this)),
      nameEncoding_(settings_->get(setting::nameEncoding)) {
    if (!historyFolder.isEmpty()) {
        history_ = std::make_unique<history::History>(historyFile_.toStdString());
    }
    model_->setNotesEditable(history_ != nullptr);
    connect(model_, &RosterModel::noteWritten, this,
            [this](int record, const QString& text) { setNote(record, text); });
    waitingReads_.setInterval(kWaitingRetryMs);
    connect(&waitingReads_, &QTimer::timeout, this, &RosterSession::keepWaitingReads);
    // Each choice takes effect however it was made: turned on, following reads at once.
    settings_->follow(setting::followSaveFile, this, [this](bool on) { follow(on); });
    settings_->follow(setting::markBestValues, model_,
                      [this](bool on) { model_->setMarkingBest(on); });
    connect(settings_, &Settings::changed, this, [this](const SettingKey* key) {
        if (key == &setting::nameEncoding) {
            nameEncoding_ = settings_->get(setting::nameEncoding);
            reload(false);
        } else if (key == &setting::scoreProfile || key == &setting::ownProfiles) {
            scoreByProfile();
        }
    });
    scoreByProfile();
}

RosterSession::~RosterSession() = default;

void RosterSession::report(const Failure& failure) {
    remember(lcSession(), failure.runTimeError != 0 ? QString("Run-time error %1: %2")
                                                          .arg(failure.runTimeError)
                                                          .arg(QString::fromStdString(failure.text))
                                                    : QString::fromStdString(failure.text));
    emit failed(failure);
}

void RosterSession::remember(const QLoggingCategory& category, const QString& line) {
    qCWarning(category).noquote() << line;
    constexpr std::size_t kKept = 10;
    recentFailures_.push_back(QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss ") + line);
    if (recentFailures_.size() > kKept) {
        recentFailures_.pop_front();
    }
}

bool RosterSession::settleSaveFolder() {
    const QString defaultFolder = platform_.folders.saveFolder;
    // Stored unless it is already: a write waits for the disk, at every start.
    if (platform_.files.exists(defaultFolder) &&
        settings_->get(setting::saveFolder) != defaultFolder) {
        reporting([&] { settings_->set(setting::saveFolder, defaultFolder); });
    }
    RK5Path = settings_->get(setting::saveFolder, defaultFolder);
    return platform_.files.exists(RK5Path);
}

void RosterSession::storeSaveFolder() {
    reporting([&] { settings_->set(setting::saveFolder, RK5Path); });
}

void RosterSession::apply(int slot, AgeBoxes ages) {
    watcher_->stop();
    applied_.reset();
    emit rowsAboutToChange();
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
        if (const auto failure = failureOf(read)) {
            qCInfo(lcSession) << "reading again failed:" << failure->number()
                              << failure->description().c_str();
            return false;
        }
    } else if (!reporting(read)) {
        return false;
    }
    if (const char* message = statusMessage(result.status)) {
        if (!quiet) {
            report({0, message});
        }
        return false;
    }
    roster->used = result.usedRows;
    roster->listed = inListOrder(roster->table, result.listedRows);
    roster->total = result.total;
    markStandouts(*roster);
    emit rowsAboutToChange();  // before the marks are read, so a note kept now is among them
    readMarks(*roster);
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

// The model first, so every view sees the new rows when it hears of the load; the current
// foal stays when the new load still lists it, holding the same foal.
void RosterSession::publish(std::shared_ptr<const LoadedRoster> roster) {
    const bool stays =
        roster_ && roster && roster->lists(currentRecord_) &&
        isSameFoal(roster->heldBy(currentRecord_), roster_->table.row(currentRecord_).name);
    roster_ = std::move(roster);
    if (!stays) {
        currentRecord_ = 0;
    }
    model_->setRoster(roster_);
    if (!comparison_.foals.empty()) {
        comparison_ = followFoals(comparison_, roster_.get(), profile_);
    }
    emit rosterChanged(roster_);
    emit currentRecordChanged(currentRecord_);
    if (!comparison_.foals.empty()) {
        emit comparisonChanged();
    }
}

void RosterSession::setCurrentRecord(int record) {
    if (record == currentRecord_ || (record != 0 && !(roster_ && roster_->lists(record)))) {
        return;
    }
    currentRecord_ = record;
    emit currentRecordChanged(record);
}

void RosterSession::setFollowing(bool on) {
    // A convenience: a store that cannot be written keeps the last choice.
    failureOf([&] { settings_->set(setting::followSaveFile, on); });
}

void RosterSession::follow(bool readAtOnce) {
    if (!following() || !applied_) {
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
    reporting([&] { settings_->set(setting::nameEncoding, choice); });
}

}  // namespace foalix::session
