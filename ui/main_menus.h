// The main window's menus: File (Select Folder, Clear History, Exit), View (the roster
// table and the history, which the window opens; following the save file and the name
// encoding, which are the session's; the dark theme and the language, which the
// application takes and the settings keep) and Help. Each entry the window handles is a
// signal; the menus say their texts again in a new language.
#pragma once

#include <QObject>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

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
    void clearHistoryAsked();
    void exitAsked();
    void rosterTableAsked();
    void historyAsked();
    void compareAsked();
    void aboutAsked();

  private:
    void mnuDarkTheme_Click(bool dark);
    void mnuLanguage_Click(int index);
    QAction* action(QMenu* menu, const char* name, void (MainMenus::*asked)());

    QMainWindow* window_;
    session::RosterSession& session_;
    QMenu* mnuFile;
    QMenu* mnuView;
    QMenu* mnuLanguage;
    QMenu* mnuHelp;
    QAction* mnuSelectFolder;
    QAction* mnuClearHistory;
    QAction* mnuExit;
    QAction* mnuRosterTable;
    QAction* mnuFollowSaveFile;
    QAction* mnuDarkTheme;
    QAction* mnuHistory;
    QAction* mnuCompare;
    QAction* mnuAbout;
    QMenu* mnuNameEncoding;
};

}  // namespace foalix::ui
