// frmRK5, the main window: choose a slot and the ages, load the roster, click a foal to
// read its fourteen characteristics, change the save folder. It shows what the roster
// session beneath it loads and sends it the player's requests; it keeps no roster of its
// own.
#pragma once

#include <QMainWindow>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "session/roster_session.h"
#include "ui/owned_windows.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

class FoalDetails;
class FoalList;
class MainMenus;
class NoteBox;
class SlotFrame;
class TotalBox;

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
    void showCentred();
    session::RosterSession& session() { return *session_; }

    // The roster table, created and shown on first use, raised after that.
    RosterTableWindow* showRosterTable() { return windows_->rosterTable(); }
    // The kept reads of the slot last applied, and any two compared.
    HistoryWindow* showHistory() { return windows_->history(); }
    // The foals chosen (two to four in the roster table, else in the list) side by side.
    CompareWindow* showCompare() { return compare(session_->foalsToCompare()); }
    // Compares the foals of `records` (two to four; none for any other number, said in the
    // status bar).
    CompareWindow* compare(const std::vector<int>& records) { return windows_->compare(records); }
    // The stable at a glance.
    StableOverview* showOverview() { return windows_->overview(); }
    FoalStoryWindow* showFoalStory() { return windows_->foalStory(); }

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    void setTabOrder();
    void retranslate();

    void cmdApply_Click();
    void lstHorse_Click(int record);
    void mnuSelectFolder_Click();
    void mnuExit_Click();
    void Init_Path();
    void showFolderDialog();

    platform::Platform& platform_;
    session::RosterSession* session_;

    SlotFrame* Frame1 = nullptr;
    QCheckBox* chkOne = nullptr;
    QCheckBox* chkTwo = nullptr;
    QLabel* lblTotal = nullptr;
    TotalBox* txtTotal = nullptr;
    FoalList* lstHorse = nullptr;
    FoalDetails* details_ = nullptr;
    NoteBox* note_ = nullptr;
    MainMenus* menus_ = nullptr;
    // The controls above the list, with their places in twips.
    std::vector<std::pair<QWidget*, QRect>> topRow_;

    OwnedWindows* windows_;
};

}  // namespace foalix::ui
