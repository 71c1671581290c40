// frmRK5, the main window: choose a slot and the ages, load the roster, click a foal
// to read its fourteen characteristics, change the save folder.
#pragma once

#include <QMainWindow>
#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "savedata/horse_table.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QAction;
class QMenu;

namespace foalix::ui {

class FoalList;

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

  private:
    void buildControls();
    void buildMenu();
    void setTabOrder();

    void cmdApply_Click();
    void lstHorse_Click();
    void mnuSelectFolder_Click();
    void mnuExit_Click();

    void Init_Path();
    void Load_Horses();
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
    std::map<int, QLabel*> Label1;
    QLineEdit* txtTotal = nullptr;
    QLineEdit* txtHorseName = nullptr;
    FoalList* lstHorse = nullptr;
    // The fourteen value boxes, each with the HorseEntry field it shows.
    std::vector<std::pair<std::string savedata::HorseEntry::*, QLineEdit*>> valueBoxes_;

    QMenu* mnuFile = nullptr;
    QAction* mnuSelectFolder = nullptr;
    QAction* mnuExit = nullptr;
};

}  // namespace foalix::ui
