#include "ui/main_window.h"

#include <QCheckBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "savedata/roster_loader.h"
#include "savedata/slot_file.h"
#include "savedata/slot_path.h"
#include "ui/error_report.h"
#include "ui/foal_list.h"
#include "ui/screen_centre.h"
#include "ui/select_folder_dialog.h"

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

QString text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
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
    lstHorse->clear();
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->clear();
    }
    const bool inFolder = reportingErrors(platform_.messages, this,
                                          [&] { platform_.files.setCurrentDirectory(RK5Path); });
    if (inFolder) {
        SlotFile = composeSlotFile(RK5Path.toStdString(), chosenSlot());
        Load_Horses();
    }
    lstHorse->setFocus();
}

void MainWindow::Load_Horses() {
    const AgeBoxes ages{boxValue(chkOne), boxValue(chkTwo)};
    LoadResult result;
    const bool read = reportingErrors(platform_.messages, this, [&] {
        result = savedata::Load_Horses(savedata::SlotFile(SlotFile), ages, HorseTable);
    });
    if (!read) {
        return;
    }
    if (const char* message = statusMessage(result.status)) {
        platform_.messages.show(this, message, platform::Buttons::Ok, platform::Icon::None);
        return;
    }
    for (int row : result.listedRows) {
        lstHorse->addFoal(text(HorseTable.row(row).name), row);
    }
    txtTotal->setText(text(result.total));
}

void MainWindow::lstHorse_Click() {
    const int row = lstHorse->selectedRow();
    if (row == 0) {
        return;
    }
    const HorseEntry& entry = HorseTable.row(row);
    txtHorseName->setText(text(entry.name));
    txtHorseName->setCursorPosition(0);  // a long name reads from its start
    for (const auto& [field, box] : valueBoxes_) {
        box->setText(text(entry.*field));
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
