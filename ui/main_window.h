// frmRK5, the main window: choose a slot and the ages, load the roster, click a foal
// to read its fourteen characteristics, change the save folder.
#pragma once

#include <QMainWindow>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "savedata/horse_table.h"
#include "savedata/roster_loader.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QAction;
class QMenu;

namespace foalix::history {
class History;
}

namespace foalix::ui {

class FoalList;
class HistoryWindow;
class ReadChanges;
class RosterTableWindow;
class SlotWatcher;

// Where the window keeps its history of reads: the per-user local data folder
// ($XDG_DATA_HOME/foalix on Linux, %LOCALAPPDATA%\foalix on Windows).
QString defaultHistoryFolder();

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Reads are kept in the history in `historyFolder` (none when it is empty).
    explicit MainWindow(platform::Platform& platform, const QString& historyFolder = {},
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs once, after construction and before the window is first shown: ticks both
    // age boxes, chooses slot 1 and settles the save folder (which may ask the user).
    void Form_Load();

    // The save folder, used exactly as stored.
    QString RK5Path;

    void Save_Reg(const QString& key, const QString& value);
    QString Get_Reg(const QString& key, const QString& defaultValue) const;

    void showCentred();

    // The roster table, created and shown on first use, raised after that.
    RosterTableWindow* showRosterTable();
    // Reads the slot of the last apply again with its age boxes, keeping the selected
    // foal. Reports nothing: a file that cannot be read now keeps what is shown, and
    // false says so.
    // `marks`: whether what changed since the previous read is marked.
    bool reloadSlot(bool marks = true);
    // The kept reads of the slot last applied, and any two compared.
    HistoryWindow* showHistory();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildControls();
    void buildMenu();
    void setTabOrder();

    void cmdApply_Click();
    void lstHorse_Click();
    void mnuSelectFolder_Click();
    void mnuExit_Click();
    void mnuDarkTheme_Click(bool dark);
    // The locked text boxes on the menu colour of the look in use.
    void colourLockedBoxes();
    void mnuClearHistory_Click();

    void Init_Path();
    // Loads SlotFile with `ages` and lists it; true when it loaded. A quiet load shows
    // no message for a slot that cannot be read.
    bool Load_Horses(savedata::AgeBoxes ages, bool quiet, bool marks = true);
    // Follows the slot of the last apply while Follow Save File is ticked; re-ticked, it
    // reads the slot at once, since changes went unseen meanwhile.
    void followSlot(bool readAtOnce = false);
    // Keeps the read of SlotFile whose used records are `used` and works out what
    // changed since the slot's previous kept read.
    void keepRead(const std::vector<int>& used, const std::string& readFrom);
    void showHistoryNotice();
    void updateRosterTable();
    void showFolderDialog();
    // Stores RK5Path; a store that fails is reported.
    void storeRK5Path();
    int chosenSlot() const;

    platform::Platform& platform_;
    std::string SlotFile;
    // The save folder SlotFile was composed with, as the history names it.
    std::string slotFolder_;
    savedata::HorseTable HorseTable;

    QGroupBox* Frame1 = nullptr;
    QPushButton* cmdApply = nullptr;
    std::array<QRadioButton*, 5> optSaveName{};
    QCheckBox* chkOne = nullptr;
    QCheckBox* chkTwo = nullptr;
    QLineEdit* txtTotal = nullptr;
    QLineEdit* txtHorseName = nullptr;
    FoalList* lstHorse = nullptr;
    // The fourteen value boxes, each with the HorseEntry field it shows.
    std::vector<std::pair<std::string savedata::HorseEntry::*, QLineEdit*>> valueBoxes_;

    QMenu* mnuFile = nullptr;
    QAction* mnuSelectFolder = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuClearHistory = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuRosterTable = nullptr;
    QAction* mnuFollowSaveFile = nullptr;
    QAction* mnuDarkTheme = nullptr;
    QAction* mnuHistory = nullptr;

    // The last apply that loaded: its slot (0: none), age boxes and listed records.
    int loadedSlot_ = 0;
    savedata::AgeBoxes loadedAges_;
    std::vector<int> listedRecords_;
    RosterTableWindow* rosterTable_ = nullptr;
    SlotWatcher* watcher_ = nullptr;
    std::unique_ptr<history::History> history_;
    QString historyFile_;
    // What changed in the last read since the slot's previous kept read.
    std::shared_ptr<const ReadChanges> changes_;
    HistoryWindow* historyWindow_ = nullptr;
};

}  // namespace foalix::ui
