// The main window's View menu: the roster table and the history (which the window opens),
// following the save file and the name encoding (the session's), and the dark theme,
// which the application takes and the settings keep.
#pragma once

#include <QObject>

class QAction;
class QMainWindow;

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

class ViewMenu : public QObject {
    Q_OBJECT

  public:
    ViewMenu(QMainWindow* window, session::RosterSession& session);

  signals:
    void rosterTableAsked();
    void historyAsked();

  private:
    void mnuDarkTheme_Click(bool dark);

    QMainWindow* window_;
    session::RosterSession& session_;
};

}  // namespace foalix::ui
