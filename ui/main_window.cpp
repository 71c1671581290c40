#include "ui/main_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "session/roster_session.h"
#include "ui/dropped_save_folder.h"
#include "ui/error_report.h"
#include "ui/foal_list.h"
#include "ui/placed_controls.h"
#include "ui/screen_centre.h"
#include "ui/select_folder_dialog.h"
#include "ui/slot_frame.h"

namespace foalix::ui {

MainWindow::MainWindow(platform::Platform& platform, const QString& historyFolder, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      session_(new session::RosterSession(platform, historyFolder, this)),
      windows_(new OwnedWindows(*session_, this, [this] { return Frame1->chosenSlot(); })) {
    setObjectName("frmRK5");
    // A minimize button but no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    buildControls();
    buildMenus();
    setTabOrder();
    retranslate();
    // A dropped folder becomes the save folder, as the menu command makes it, and is
    // applied; a dropped slot file does the same with its folder and chooses its slot.
    connect(new SaveFolderDrops(this, platform.files), &SaveFolderDrops::dropped, this,
            [this](const QString& folder, int slot) {
                session_->setSaveFolder(folder);
                session_->storeSaveFolder();
                if (slot != 0) {
                    Frame1->choose(slot);
                }
                cmdApply_Click();
            });
    // Nothing follows a change of size: the window keeps the size of its controls.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(session_, &session::RosterSession::failed, this,
            [this](const session::Failure& failure) {
                reportFailure(platform_.messages, this, failure);
            });
    // The status bar appears with its first line, not before: the window keeps its size.
    connect(session_, &session::RosterSession::notice, this,
            [this](const QString& line) { statusBar()->showMessage(line); });
}

MainWindow::~MainWindow() = default;

void MainWindow::Form_Load() {
    chkOne->setCheckState(Qt::Checked);
    chkTwo->setCheckState(Qt::Checked);
    Frame1->choose(1);
    Init_Path();
    Frame1->cmdApply->setFocus();
}

void MainWindow::showCentred() {
    centreOnScreen(this);
    show();
}

// Start-up: the game's default save folder when it is there (stored for next time),
// otherwise the stored folder, otherwise the folder the user picks.
void MainWindow::Init_Path() {
    if (session_->settleSaveFolder()) {
        return;
    }
    platform_.messages.show(this, tr("Sava Data Path not found"), platform::Buttons::Ok,
                            platform::Icon::None);
    showFolderDialog();
    session_->storeSaveFolder();
}

void MainWindow::showFolderDialog() {
    QString RK5Path = session_->saveFolder();
    SelectFolderDialog frmSelectFolder(RK5Path, platform_, this);
    if (!isVisible()) {
        centreOnScreen(&frmSelectFolder);
    }
    frmSelectFolder.exec();
    session_->setSaveFolder(RK5Path);
}

void MainWindow::cmdApply_Click() {
    session_->apply(Frame1->chosenSlot(), {boxValue(chkOne), boxValue(chkTwo)});
    lstHorse->setFocus();
}

void MainWindow::lstHorse_Click(int record) {
    session_->setCurrentRecord(record);
}

void MainWindow::mnuSelectFolder_Click() {
    showFolderDialog();
    session_->storeSaveFolder();
}

void MainWindow::mnuExit_Click() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    windows_->closeTable();
    QMainWindow::closeEvent(event);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QMainWindow::changeEvent(event);
}

}  // namespace foalix::ui
