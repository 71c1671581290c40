// The main window's menus: File (Select Folder, Clear History, Exit), View (the roster
// table, the history and the comparison, which the window opens; following the save file,
// marking best values, the name encoding, the dark theme and the language, each a setting
// that the session, the model or the application follows) and Help (Copy Diagnostics,
// About). Each entry the window handles is a signal; the menus say their texts again in a
// new language.
#pragma once

#include <QObject>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

#include "session/settings.h"

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

class MainMenus : public QObject {
    Q_OBJECT

  public:
    MainMenus(QMainWindow* window, session::RosterSession& session);
    void retranslate();

  signals:
    void selectFolderAsked();
    void exitAsked();
    void rosterTableAsked();
    void historyAsked();
    void compareAsked();
    void overviewAsked();
    void foalHistoryAsked();

  private:
    void mnuClearHistory_Click();
    void mnuBackUpHistory_Click();
    void mnuRestoreHistory_Click();
    void mnuCopyDiagnostics_Click();
    void mnuAbout_Click();
    void mnuDarkTheme_Click(bool dark);
    void mnuMarkBestValues_Click(bool mark);
    void mnuLanguage_Click(int index);
    QAction* action(QMenu* menu, const char* name, void (MainMenus::*asked)());
    // Ticks `entry` as `setting` says, at every change.
    void showSetting(QAction* entry, const session::Setting<bool>& setting);

    QMainWindow* window_;
    session::RosterSession& session_;
    QMenu* mnuFile;
    QMenu* mnuView;
    QMenu* mnuLanguage;
    QMenu* mnuHelp;
    QAction* mnuSelectFolder;
    QAction* mnuClearHistory;
    QAction* mnuBackUpHistory;
    QAction* mnuRestoreHistory;
    QAction* mnuFoalHistory;
    QAction* mnuExit;
    QAction* mnuRosterTable;
    QAction* mnuFollowSaveFile;
    QAction* mnuMarkBestValues;
    QAction* mnuDarkTheme;
    QAction* mnuHistory;
    QAction* mnuCompare;
    QAction* mnuOverview;
    QAction* mnuCopyDiagnostics;
    QAction* mnuAbout;
    QMenu* mnuNameEncoding;
};

}  // namespace foalix::ui
