#include "ui/view_menu.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

#include "savedata/run_time_error.h"
#include "session/roster_session.h"
#include "ui/name_encoding_menu.h"
#include "ui/placed_controls.h"
#include "ui/theme.h"

namespace foalix::ui {

ViewMenu::ViewMenu(QMainWindow* window, session::RosterSession& session)
    : QObject(window), window_(window), session_(session) {
    QMenu* mnuView = window->menuBar()->addMenu("&View");
    QAction* mnuRosterTable = mnuView->addAction("&Roster Table");
    mnuRosterTable->setShortcut(QKeySequence("Ctrl+T"));
    connect(mnuRosterTable, &QAction::triggered, this, &ViewMenu::rosterTableAsked);
    QAction* mnuFollowSaveFile = mnuView->addAction("&Follow Save File");
    mnuFollowSaveFile->setCheckable(true);
    mnuFollowSaveFile->setChecked(session.following());
    connect(mnuFollowSaveFile, &QAction::toggled, &session, &session::RosterSession::setFollowing);
    QAction* mnuDarkTheme = mnuView->addAction("&Dark Theme");
    mnuDarkTheme->setObjectName("mnuDarkTheme");
    mnuDarkTheme->setCheckable(true);
    QAction* mnuHistory = mnuView->addAction("&History");
    mnuHistory->setShortcut(QKeySequence("Ctrl+H"));
    mnuHistory->setEnabled(session.history() != nullptr);
    connect(mnuHistory, &QAction::triggered, this, &ViewMenu::historyAsked);
    addNameEncodingMenu(mnuView, session);
    connect(mnuDarkTheme, &QAction::toggled, this, &ViewMenu::mnuDarkTheme_Click);
    mnuDarkTheme->setChecked(session.settings().darkTheme());
}

void ViewMenu::mnuDarkTheme_Click(bool dark) {
    applyTheme(dark);
    // The locked boxes hold a colour of their own: the new look's menu colour.
    for (QLineEdit* box : window_->centralWidget()->findChildren<QLineEdit*>()) {
        colourLockedBox(box);
    }
    // The look is a convenience: a store that cannot be written keeps the last one.
    savedata::failureOf([&] { session_.settings().setDarkTheme(dark); });
}

}  // namespace foalix::ui
