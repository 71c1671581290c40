// frmRK5, the main window: choose a slot and the ages, load the roster, click a foal
// to read its fourteen characteristics, change the save folder.
#pragma once

#include <QMainWindow>
#include <array>
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

namespace foalix::ui {

class FoalList;
class RosterTableWindow;
class SlotWatcher;

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(platform::Platform& platform, QWidget* parent = nullptr);

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
    bool reloadSlot();

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

    void Init_Path();
    // Loads SlotFile with `ages` and lists it; true when it loaded. A quiet load shows
    // no message for a slot that cannot be read.
    bool Load_Horses(savedata::AgeBoxes ages, bool quiet);
    // Follows the slot of the last apply while Follow Save File is ticked; re-ticked, it
    // reads the slot at once, since changes went unseen meanwhile.
    void followSlot(bool readAtOnce = false);
    void updateRosterTable();
    void showFolderDialog();
    // Stores RK5Path; a store that fails is reported.
    void storeRK5Path();
    int chosenSlot() const;

    platform::Platform& platform_;
    std::string SlotFile;
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
    QMenu* mnuView = nullptr;
    QAction* mnuRosterTable = nullptr;
    QAction* mnuFollowSaveFile = nullptr;
    QAction* mnuDarkTheme = nullptr;

    // The last apply that loaded: its slot (0: none), age boxes and listed records.
    int loadedSlot_ = 0;
    savedata::AgeBoxes loadedAges_;
    std::vector<int> listedRecords_;
    RosterTableWindow* rosterTable_ = nullptr;
    SlotWatcher* watcher_ = nullptr;
};

}  // namespace foalix::ui
