#include "ui/main_menus.h"

#include <QActionGroup>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include "savedata/run_time_error.h"
#include "session/diagnostics.h"
#include "session/language.h"
#include "session/roster_model.h"
#include "session/roster_session.h"
#include "ui/about_box.h"
#include "ui/name_encoding_menu.h"
#include "ui/placed_controls.h"
#include "ui/table_copy.h"
#include "ui/theme.h"

namespace foalix::ui {

using session::kLanguages;
using session::Language;

QAction* MainMenus::action(QMenu* menu, const char* name, void (MainMenus::*asked)()) {
    QAction* entry = menu->addAction(QString());
    entry->setObjectName(name);
    connect(entry, &QAction::triggered, this, asked);
    return entry;
}

MainMenus::MainMenus(QMainWindow* window, session::RosterSession& session)
    : QObject(window), window_(window), session_(session) {
    mnuFile = window->menuBar()->addMenu(QString());
    mnuSelectFolder = action(mnuFile, "mnuSelectFolder", &MainMenus::selectFolderAsked);
    mnuBackUpHistory = action(mnuFile, "mnuBackUpHistory", &MainMenus::mnuBackUpHistory_Click);
    mnuRestoreHistory = action(mnuFile, "mnuRestoreHistory", &MainMenus::mnuRestoreHistory_Click);
    mnuClearHistory = action(mnuFile, "mnuClearHistory", &MainMenus::mnuClearHistory_Click);
    for (QAction* entry : {mnuBackUpHistory, mnuRestoreHistory, mnuClearHistory}) {
        entry->setEnabled(session.history() != nullptr);
    }
    mnuFile->addSeparator();
    mnuExit = action(mnuFile, "mnuExit", &MainMenus::exitAsked);

    mnuView = window->menuBar()->addMenu(QString());
    mnuRosterTable = action(mnuView, "mnuRosterTable", &MainMenus::rosterTableAsked);
    mnuRosterTable->setShortcut(QKeySequence("Ctrl+T"));
    mnuFollowSaveFile = mnuView->addAction(QString());
    mnuFollowSaveFile->setObjectName("mnuFollowSaveFile");
    mnuFollowSaveFile->setCheckable(true);
    showSetting(mnuFollowSaveFile, session::setting::followSaveFile);
    connect(mnuFollowSaveFile, &QAction::toggled, &session, &session::RosterSession::setFollowing);
    mnuMarkBestValues = mnuView->addAction(QString());
    mnuMarkBestValues->setObjectName("mnuMarkBestValues");
    mnuMarkBestValues->setCheckable(true);
    showSetting(mnuMarkBestValues, session::setting::markBestValues);
    connect(mnuMarkBestValues, &QAction::toggled, this, &MainMenus::mnuMarkBestValues_Click);
    mnuDarkTheme = mnuView->addAction(QString());
    mnuDarkTheme->setObjectName("mnuDarkTheme");
    mnuDarkTheme->setCheckable(true);
    mnuHistory = action(mnuView, "mnuHistory", &MainMenus::historyAsked);
    mnuHistory->setShortcut(QKeySequence("Ctrl+H"));
    mnuHistory->setEnabled(session.history() != nullptr);
    mnuCompare = action(mnuView, "mnuCompareFoals", &MainMenus::compareAsked);
    mnuCompare->setShortcut(QKeySequence("Ctrl+K"));
    mnuOverview = action(mnuView, "mnuOverview", &MainMenus::overviewAsked);
    mnuFoalHistory = action(mnuView, "mnuFoalHistory", &MainMenus::foalHistoryAsked);
    mnuFoalHistory->setShortcut(QKeySequence("Ctrl+Y"));
    mnuFoalHistory->setEnabled(session.history() != nullptr);
    mnuNameEncoding = addNameEncodingMenu(mnuView, session);
    // Each language's entry in its own words, the same whatever language is on.
    mnuLanguage = mnuView->addMenu(QString());
    mnuLanguage->setObjectName("mnuLanguage");
    auto* languages = new QActionGroup(mnuLanguage);
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
        QAction* entry = mnuLanguage->addAction(QString::fromUtf8(kLanguages[i].native));
        entry->setObjectName(QString("mnuLanguage_") + kLanguages[i].key);
        entry->setCheckable(true);
        languages->addAction(entry);
        connect(entry, &QAction::triggered, this,
                [this, i] { mnuLanguage_Click(static_cast<int>(i)); });
    }
    // The language and the look follow their settings, however they were chosen.
    session.settings().follow(session::setting::language, this, [this](const QString& key) {
        const Language language = session::languageOf(key);
        session::installLanguage(language);
        for (QAction* entry : mnuLanguage->actions()) {
            entry->setChecked(entry->objectName() ==
                              QString("mnuLanguage_") + session::keyOf(language));
        }
    });
    session.settings().follow(session::setting::darkTheme, this, [this](bool dark) {
        applyTheme(dark);
        // The locked boxes hold a colour of their own: the new look's menu colour.
        for (QLineEdit* box : window_->centralWidget()->findChildren<QLineEdit*>()) {
            colourLockedBox(box);
        }
        const QSignalBlocker quiet(mnuDarkTheme);
        mnuDarkTheme->setChecked(dark);
    });
    connect(mnuDarkTheme, &QAction::toggled, this, &MainMenus::mnuDarkTheme_Click);

    mnuHelp = window->menuBar()->addMenu(QString());
    mnuCopyDiagnostics =
        action(mnuHelp, "mnuCopyDiagnostics", &MainMenus::mnuCopyDiagnostics_Click);
    mnuHelp->addSeparator();
    mnuAbout = action(mnuHelp, "mnuAbout", &MainMenus::mnuAbout_Click);
    retranslate();
}

void MainMenus::retranslate() {
    mnuFile->setTitle(tr("&File"));
    mnuSelectFolder->setText(tr("&Select Folder"));
    mnuBackUpHistory->setText(tr("&Back Up History…"));
    mnuRestoreHistory->setText(tr("&Restore History…"));
    mnuClearHistory->setText(tr("Clear &History…"));
    mnuExit->setText(tr("E&xit"));
    mnuView->setTitle(tr("&View"));
    mnuRosterTable->setText(tr("&Roster Table"));
    mnuFollowSaveFile->setText(tr("&Follow Save File"));
    mnuMarkBestValues->setText(tr("Mark &Best Values"));
    mnuDarkTheme->setText(tr("&Dark Theme"));
    mnuHistory->setText(tr("&History"));
    mnuCompare->setText(tr("&Compare Foals"));
    mnuOverview->setText(tr("Stable &Overview"));
    mnuFoalHistory->setText(tr("&Foal History…"));
    retranslateNameEncodingMenu(mnuNameEncoding);
    mnuLanguage->setTitle(tr("&Language"));
    mnuHelp->setTitle(tr("&Help"));
    mnuCopyDiagnostics->setText(tr("Copy &Diagnostics"));
    mnuAbout->setText(tr("&About Foalix"));
}

void MainMenus::mnuClearHistory_Click() {
    if (session_.platform().messages.show(
            window_, tr("Clear the history? Every kept read of every slot is forgotten."),
            platform::Buttons::OkCancel, platform::Icon::None) == platform::Answer::Ok) {
        session_.clearHistory();
    }
}

// A copy of the whole history, for another computer or a new start; the status bar says
// how it went.
void MainMenus::mnuBackUpHistory_Click() {
    exportThroughDialog(window_, session_, ExportKind::History, "foalix-history.sqlite3",
                        [this](const QString& path) {
                            session_.backUpHistory(path);
                            return true;  // a failure is the history's notice, said already
                        });
}

// A history taken back: checked first, the one in use set aside, never deleted.
void MainMenus::mnuRestoreHistory_Click() {
    const QString path =
        QFileDialog::getOpenFileName(window_, tr("Restore History"), QString(),
                                     tr("Foalix histories (*.sqlite3);;All files (*)"));
    if (path.isEmpty() ||
        session_.platform().messages.show(
            window_,
            tr("Take the history from %1? The one in use is set aside beside it, not deleted.")
                .arg(QDir::toNativeSeparators(path)),
            platform::Buttons::OkCancel, platform::Icon::None) != platform::Answer::Ok) {
        return;
    }
    session_.restoreHistory(path);
}

// For a bug report: what the player pastes.
void MainMenus::mnuCopyDiagnostics_Click() {
    QGuiApplication::clipboard()->setText(session::diagnostics(session_));
    window_->statusBar()->showMessage(tr("Diagnostics copied: paste them into your bug report"));
}

void MainMenus::mnuAbout_Click() {
    showAboutBox(window_, session_.settings().location(), session_.historyFile());
}

void MainMenus::showSetting(QAction* entry, const session::Setting<bool>& setting) {
    session_.settings().follow(setting, entry, [entry](bool on) {
        const QSignalBlocker quiet(entry);
        entry->setChecked(on);
    });
}

// The look, the marks and the language are conveniences: a store that cannot be written
// keeps the last choice, and this run takes the new one.
void MainMenus::mnuDarkTheme_Click(bool dark) {
    savedata::failureOf([&] { session_.settings().set(session::setting::darkTheme, dark); });
}

void MainMenus::mnuMarkBestValues_Click(bool mark) {
    savedata::failureOf([&] { session_.settings().set(session::setting::markBestValues, mark); });
}

void MainMenus::mnuLanguage_Click(int index) {
    const Language language = kLanguages.at(static_cast<std::size_t>(index)).language;
    savedata::failureOf(
        [&] { session_.settings().set(session::setting::language, session::keyOf(language)); });
}

}  // namespace foalix::ui
