#include "ui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>

#include "history/history.h"
#include "savedata/install_folders.h"
#include "savedata/list_order.h"
#include "savedata/slot_file.h"
#include "savedata/slot_path.h"
#include "ui/dropped_save_folder.h"
#include "ui/error_report.h"
#include "ui/foal_list.h"
#include "ui/history_window.h"
#include "ui/name_encoding_menu.h"
#include "ui/read_changes.h"
#include "ui/roster_table_window.h"
#include "ui/screen_centre.h"
#include "ui/select_folder_dialog.h"
#include "ui/settings_names.h"
#include "ui/slot_watcher.h"
#include "ui/theme.h"

namespace foalix::ui {

using namespace savedata;

namespace {

constexpr const char* kSavaDataPathNotFound = "Sava Data Path not found";
constexpr const char* kClearHistoryQuestion =
    "Clear the history? Every kept read of every slot is forgotten.";

// A window of the main window's shown on top and active.
void bringUp(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

// The SHA-1 of the file's bytes in hex, read again after the load: an identity of the
// content, quicker to make than SHA-256 on every reload.
std::string contentHash(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) {
        return {};
    }
    return hash.result().toHex().toStdString();
}

BoxValue boxValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return BoxValue::Ticked;
        case Qt::PartiallyChecked:
            return BoxValue::Greyed;
        default:
            return BoxValue::Unticked;
    }
}

}  // namespace

QString defaultHistoryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

MainWindow::MainWindow(platform::Platform& platform, const QString& historyFolder, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      // Named in About even when this window keeps no history.
      historyFile_(QDir(historyFolder.isEmpty() ? defaultHistoryFolder() : historyFolder)
                       .filePath(history::kHistoryFileName)) {
    setObjectName("frmRK5");
    setWindowTitle("Foalix for RK5");
    // A minimize button but no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    buildControls();
    buildMenu();
    setTabOrder();
    mnuDarkTheme->setChecked(
        platform_.settings.get(settings_names::kView, settings_names::kDarkTheme, "") == "1");
    setAcceptDrops(true);
    watcher_ = new SlotWatcher([this] { return reloadSlot(); }, SlotWatcher::kRetryMs, this);
    // Nothing follows a change of size: the window keeps the size of its controls.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (!historyFolder.isEmpty()) {
        QDir().mkpath(historyFolder);
        history_ = std::make_unique<history::History>(historyFile_.toStdString());
    }
    mnuHistory->setEnabled(history_ != nullptr);
    mnuClearHistory->setEnabled(history_ != nullptr);
}

MainWindow::~MainWindow() = default;

void MainWindow::Form_Load() {
    chkOne->setCheckState(Qt::Checked);
    chkTwo->setCheckState(Qt::Checked);
    optSaveName[0]->setChecked(true);
    Init_Path();
    cmdApply->setFocus();
}

void MainWindow::showCentred() {
    centreOnScreen(this);
    show();
}

// Start-up: the game's default save folder when it is there (stored for next time),
// otherwise the stored folder, otherwise the folder the user picks.
void MainWindow::Init_Path() {
    const QString defaultFolder = platform_.folders.saveFolder;
    if (platform_.files.exists(defaultFolder)) {
        reportingErrors(platform_.messages, this,
                        [&] { Save_Reg(settings_names::kRK5Path, defaultFolder); });
    }
    RK5Path = Get_Reg(settings_names::kRK5Path, defaultFolder);
    if (platform_.files.exists(RK5Path)) {
        return;
    }
    platform_.messages.show(this, kSavaDataPathNotFound, platform::Buttons::Ok,
                            platform::Icon::None);
    showFolderDialog();
    storeRK5Path();
}

void MainWindow::Save_Reg(const QString& key, const QString& value) {
    platform_.settings.save(settings_names::kSetting, key, value);
}

QString MainWindow::Get_Reg(const QString& key, const QString& defaultValue) const {
    return platform_.settings.get(settings_names::kSetting, key, defaultValue);
}

void MainWindow::storeRK5Path() {
    reportingErrors(platform_.messages, this, [&] { Save_Reg(settings_names::kRK5Path, RK5Path); });
}

void MainWindow::showFolderDialog() {
    SelectFolderDialog frmSelectFolder(RK5Path, platform_, this);
    if (!isVisible()) {
        centreOnScreen(&frmSelectFolder);
    }
    frmSelectFolder.exec();
}

int MainWindow::chosenSlot() const {
    for (std::size_t i = 0; i < optSaveName.size(); ++i) {
        if (optSaveName[i]->isChecked()) {
            return static_cast<int>(i) + kFirstSlot;
        }
    }
    return kFirstSlot;  // unreachable: one slot button is always on
}

void MainWindow::cmdApply_Click() {
    watcher_->stop();
    lstHorse->clear();
    // The text boxes of this window; the roster table's filter is the player's and stays.
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        if (box->window() == this) {
            box->clear();
        }
    }
    loadedSlot_ = 0;
    listedRecords_.clear();
    const bool inFolder = reportingErrors(platform_.messages, this,
                                          [&] { platform_.files.setCurrentDirectory(RK5Path); });
    if (inFolder) {
        SlotFile = composeSlotFile(RK5Path.toStdString(), chosenSlot());
        slotFolder_ = RK5Path.toStdString();
        const AgeBoxes ages{boxValue(chkOne), boxValue(chkTwo)};
        if (Load_Horses(ages, false)) {
            loadedSlot_ = chosenSlot();
            loadedAges_ = ages;
            followSlot();
        }
    }
    updateRosterTable();
    lstHorse->setFocus();
}

bool MainWindow::Load_Horses(AgeBoxes ages, bool quiet, bool marks) {
    LoadResult result;
    // The copy the game reads (a VirtualStore copy on Windows): read, and kept as read.
    std::string readFrom;
    const auto load = [&] {
        readFrom = slotFileToRead(SlotFile, platform_.folders.install);
        const savedata::SlotFile slot(readFrom);
        result =
            savedata::Load_Horses(slot, ages, HorseTable, storedNameEncoding(platform_.settings));
    };
    if (quiet) {
        try {
            load();
        } catch (const std::exception&) {
            return false;
        }
    } else if (!reportingErrors(platform_.messages, this, load)) {
        return false;
    }
    if (const char* message = statusMessage(result.status)) {
        if (!quiet) {
            platform_.messages.show(this, message, platform::Buttons::Ok, platform::Icon::None);
        }
        return false;
    }
    keepRead(result.usedRows, readFrom);
    if (!marks) {
        changes_ = std::make_shared<ReadChanges>();
    }
    const int selected = lstHorse->selectedRow();
    {
        const QSignalBlocker quietList(lstHorse);
        lstHorse->clear();
        for (int row : result.listedRows) {
            lstHorse->addFoal(QString::fromStdString(HorseTable.row(row).name), row);
            lstHorse->markRecord(row, changes_->foalMark(row), changes_->foalNote(row));
        }
    }
    txtTotal->setText(QString::fromStdString(result.total));
    listedRecords_ = inListOrder(HorseTable, result.listedRows);
    // The foal selected before a reload stays selected, with its new values.
    if (selected != 0 && !lstHorse->selectRecord(selected)) {
        for (const auto& [field, box] : valueBoxes_) {
            box->clear();
        }
        txtHorseName->clear();
    }
    return true;
}

void MainWindow::keepRead(const std::vector<int>& used, const std::string& readFrom) {
    changes_ = std::make_shared<ReadChanges>();
    if (!history_) {
        return;
    }
    const QString path = QString::fromStdString(readFrom);
    history::ReadInfo read{slotFolder_, chosenSlot(), QDateTime::currentSecsSinceEpoch(),
                           QFileInfo(path).lastModified().toSecsSinceEpoch(), contentHash(path)};
    if (loadedSlot_ != 0) {
        read.slot = loadedSlot_;  // a reload reads the slot applied, whatever is ticked now
    }
    const savedata::Foals foals = foalsOf(HorseTable, used);
    if (const auto baseline = history_->keep(read, foals)) {
        changes_ =
            std::make_shared<ReadChanges>(diffRosters(baseline->foals, foals),
                                          QDateTime::fromSecsSinceEpoch(baseline->read.readAt));
    }
    showHistoryNotice();
    if (historyWindow_ != nullptr && historyWindow_->isVisible()) {
        historyWindow_->showSlot(read.saveFolder, read.slot);
    }
}

// One line in the status bar, never a message box: a reload happens unasked.
void MainWindow::showHistoryNotice() {
    const std::string notice = history_ ? history_->takeNotice() : std::string();
    if (!notice.empty()) {
        statusBar()->showMessage(QString::fromStdString(notice));
    }
}

HistoryWindow* MainWindow::showHistory() {
    if (!history_) {
        return nullptr;
    }
    if (historyWindow_ == nullptr) {
        historyWindow_ = new HistoryWindow(platform_, *history_, this);
    }
    const int slot = loadedSlot_ != 0 ? loadedSlot_ : chosenSlot();
    historyWindow_->showSlot(loadedSlot_ != 0 ? slotFolder_ : RK5Path.toStdString(), slot);
    showHistoryNotice();
    bringUp(historyWindow_);
    return historyWindow_;
}

void MainWindow::mnuClearHistory_Click() {
    if (!history_ ||
        platform_.messages.show(this, kClearHistoryQuestion, platform::Buttons::OkCancel,
                                platform::Icon::None) != platform::Answer::Ok) {
        return;
    }
    history_->clear();
    showHistoryNotice();
    if (historyWindow_ != nullptr && historyWindow_->isVisible()) {
        showHistory();
    }
}

bool MainWindow::reloadSlot(bool marks) {
    if (loadedSlot_ == 0) {
        return true;
    }
    if (!Load_Horses(loadedAges_, true, marks)) {
        return false;
    }
    updateRosterTable();
    return true;
}

void MainWindow::followSlot(bool readAtOnce) {
    if (mnuFollowSaveFile->isChecked() && loadedSlot_ != 0) {
        QStringList candidates;
        for (const std::string& path : gameFileCandidates(SlotFile, platform_.folders.install)) {
            candidates << QString::fromStdString(path);
        }
        watcher_->watch(candidates);
        if (readAtOnce) {
            watcher_->readNow();
        }
    } else {
        watcher_->stop();
    }
}

RosterTableWindow* MainWindow::showRosterTable() {
    if (rosterTable_ == nullptr) {
        rosterTable_ = new RosterTableWindow(platform_, this);
        connect(rosterTable_, &RosterTableWindow::foalSelected, this,
                [this](int record) { lstHorse->selectRecord(record); });
        updateRosterTable();
    }
    bringUp(rosterTable_);
    return rosterTable_;
}

void MainWindow::updateRosterTable() {
    if (rosterTable_ != nullptr) {
        // The marks first: the columns are fitted to the rows with their marks.
        rosterTable_->setChanges(loadedSlot_ != 0 && changes_ ? changes_
                                                              : std::make_shared<ReadChanges>());
        rosterTable_->setRoster(HorseTable, listedRecords_, loadedSlot_, lstHorse->selectedRow());
    }
}

void MainWindow::mnuDarkTheme_Click(bool dark) {
    applyTheme(dark);
    // The boxes hold a colour of their own: the new look's menu colour.
    colourLockedBoxes();
    try {
        platform_.settings.save(settings_names::kView, settings_names::kDarkTheme,
                                dark ? "1" : "0");
    } catch (const savedata::RunTimeError&) {
        // The look is a convenience: a store that cannot be written keeps the last one.
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (rosterTable_ != nullptr) {
        rosterTable_->close();  // keeps its layout for next time
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedSaveFolder(event->mimeData(), platform_.files.ignoresCase()).folder.isEmpty()) {
        event->acceptProposedAction();
    }
}

// A dropped folder becomes the save folder, as the menu command makes it, and is
// applied; a dropped slot file does the same with its folder and chooses its slot.
void MainWindow::dropEvent(QDropEvent* event) {
    const DroppedSaveFolder dropped =
        droppedSaveFolder(event->mimeData(), platform_.files.ignoresCase());
    if (dropped.folder.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    RK5Path = dropped.folder;
    storeRK5Path();
    if (dropped.slot != 0) {
        optSaveName[static_cast<std::size_t>(dropped.slot - kFirstSlot)]->setChecked(true);
    }
    cmdApply_Click();
}

void MainWindow::lstHorse_Click() {
    const int row = lstHorse->selectedRow();
    if (row == 0) {
        return;
    }
    if (rosterTable_ != nullptr) {
        rosterTable_->selectRecord(row);
    }
    const HorseEntry& entry = HorseTable.row(row);
    txtHorseName->setText(QString::fromStdString(entry.name));
    txtHorseName->setCursorPosition(0);  // a long name reads from its start
    for (const auto& [field, box] : valueBoxes_) {
        box->setText(QString::fromStdString(entry.*field));
        const auto* shown = std::find_if(kHorseFields.begin(), kHorseFields.end(),
                                         [&](const HorseField& f) { return f.member == field; });
        box->setToolTip(changes_ ? changes_->valueNote(row, shown->key) : QString());
    }
}

void MainWindow::mnuSelectFolder_Click() {
    showFolderDialog();
    storeRK5Path();
}

void MainWindow::mnuExit_Click() {
    close();
}

}  // namespace foalix::ui
