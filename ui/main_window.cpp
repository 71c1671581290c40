#include "ui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "savedata/list_order.h"
#include "savedata/slot_file.h"
#include "savedata/slot_path.h"
#include "ui/dropped_save_folder.h"
#include "ui/error_report.h"
#include "ui/foal_list.h"
#include "ui/name_encoding_menu.h"
#include "ui/roster_table_window.h"
#include "ui/screen_centre.h"
#include "ui/select_folder_dialog.h"
#include "ui/slot_watcher.h"

namespace foalix::ui {

using namespace savedata;

namespace {

constexpr const char* kRK5PathKey = "RK5Path";
constexpr const char* kSettingsSection = "Setting";
constexpr const char* kSavaDataPathNotFound = "Sava Data Path not found";

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

MainWindow::MainWindow(platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
    setObjectName("frmRK5");
    setWindowTitle("Foalix for RK5");
    // A minimize button but no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    buildControls();
    buildMenu();
    setTabOrder();
    setAcceptDrops(true);
    watcher_ = new SlotWatcher(this);
    connect(watcher_, &SlotWatcher::settled, this, &MainWindow::reloadSlot);
    // Nothing follows a change of size: the window keeps the size of its controls.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

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
        reportingErrors(platform_.messages, this, [&] { Save_Reg(kRK5PathKey, defaultFolder); });
    }
    RK5Path = Get_Reg(kRK5PathKey, defaultFolder);
    if (platform_.files.exists(RK5Path)) {
        return;
    }
    platform_.messages.show(this, kSavaDataPathNotFound, platform::Buttons::Ok,
                            platform::Icon::None);
    showFolderDialog();
    storeRK5Path();
}

void MainWindow::Save_Reg(const QString& key, const QString& value) {
    platform_.settings.save(kSettingsSection, key, value);
}

QString MainWindow::Get_Reg(const QString& key, const QString& defaultValue) const {
    return platform_.settings.get(kSettingsSection, key, defaultValue);
}

void MainWindow::storeRK5Path() {
    reportingErrors(platform_.messages, this, [&] { Save_Reg(kRK5PathKey, RK5Path); });
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
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->clear();
    }
    loadedSlot_ = 0;
    listedRecords_.clear();
    const bool inFolder = reportingErrors(platform_.messages, this,
                                          [&] { platform_.files.setCurrentDirectory(RK5Path); });
    if (inFolder) {
        SlotFile = composeSlotFile(RK5Path.toStdString(), chosenSlot());
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

bool MainWindow::Load_Horses(AgeBoxes ages, bool quiet) {
    LoadResult result;
    const auto load = [&] {
        result = savedata::Load_Horses(savedata::SlotFile(SlotFile), ages, HorseTable,
                                       storedNameEncoding(platform_.settings));
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
    const int selected = lstHorse->selectedRow();
    {
        const QSignalBlocker quietList(lstHorse);
        lstHorse->clear();
        for (int row : result.listedRows) {
            lstHorse->addFoal(QString::fromStdString(HorseTable.row(row).name), row);
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

void MainWindow::reloadSlot() {
    if (loadedSlot_ != 0 && Load_Horses(loadedAges_, true)) {
        updateRosterTable();
    }
}

void MainWindow::followSlot() {
    if (mnuFollowSaveFile->isChecked() && loadedSlot_ != 0) {
        watcher_->watch(QString::fromStdString(SlotFile));
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
    rosterTable_->show();
    rosterTable_->raise();
    rosterTable_->activateWindow();
    return rosterTable_;
}

void MainWindow::updateRosterTable() {
    if (rosterTable_ != nullptr) {
        rosterTable_->setRoster(HorseTable, listedRecords_, loadedSlot_, lstHorse->selectedRow());
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
