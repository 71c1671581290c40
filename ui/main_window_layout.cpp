// The controls of the main window, each at its place in twips, its menu and its tab order.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "savedata/run_time_error.h"
#include "session/roster_session.h"
#include "ui/about_box.h"
#include "ui/foal_details.h"
#include "ui/foal_list.h"
#include "ui/main_window.h"
#include "ui/name_encoding_menu.h"
#include "ui/placed_controls.h"
#include "ui/theme.h"

namespace foalix::ui {
namespace {

constexpr int kClientWidth = 6945;
constexpr int kClientHeight = 4860;

}  // namespace

void MainWindow::buildControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(twipsSize(kClientWidth, kClientHeight));
    setCentralWidget(client);

    Frame1 = placed<QGroupBox>("Frame1", twipsRect(240, 50, 6495, 735), "Savedata", client);
    cmdApply = placed<QPushButton>("cmdApply", twipsRect(240, 280, 855, 255), "實行", Frame1);
    cmdApply->setAutoDefault(true);  // Enter presses it while it has the focus
    connect(cmdApply, &QPushButton::clicked, this, &MainWindow::cmdApply_Click);

    const QString digits[] = {"１", "２", "３", "４", "５"};
    for (int i = 0; i < 5; ++i) {
        optSaveName[static_cast<std::size_t>(i)] =
            placed<QRadioButton>(QString("optSaveName%1").arg(i),
                                 twipsRect(1450 + 700 * i, 280, 495, 255), digits[i], Frame1);
    }
    // As in an option group, Tab stops only at the ticked slot button; a click still
    // focuses any of them and the arrow keys move within the group.
    for (QRadioButton* button : optSaveName) {
        button->setFocusPolicy(Qt::ClickFocus);
        connect(button, &QRadioButton::toggled, button, [button](bool ticked) {
            button->setFocusPolicy(ticked ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }

    chkOne = placed<QCheckBox>("chkOne", twipsRect(360, 960, 735, 255), "１歲", client);
    chkTwo = placed<QCheckBox>("chkTwo", twipsRect(1200, 960, 735, 255), "２歲", client);

    constexpr const char* kTotalCaption = "共有：";
    label(client, kTotalCaption, twipsRect(2160, 960, 735, 255));
    txtTotal = textBox(client, "txtTotal", twipsRect(2760, 960, 735, 270), true);
    txtTotal->setAccessibleName(spoken(kTotalCaption));

    lstHorse = placed<FoalList>("lstHorse", twipsRect(240, 1440, 3255, 3120), client);
    lstHorse->setFont(nameFont());
    lstHorse->setAccessibleName("馬名");
    lstHorse->showSession(*session_);
    connect(lstHorse, &FoalList::foalClicked, this, &MainWindow::lstHorse_Click);

    details_ = new FoalDetails(*session_, client);
}

void MainWindow::buildMenu() {
    mnuFile = menuBar()->addMenu("&File");
    mnuSelectFolder = mnuFile->addAction("&Select Folder");
    mnuClearHistory = mnuFile->addAction("Clear &History…");
    mnuFile->addSeparator();
    mnuExit = mnuFile->addAction("E&xit");
    connect(mnuSelectFolder, &QAction::triggered, this, &MainWindow::mnuSelectFolder_Click);
    connect(mnuExit, &QAction::triggered, this, &MainWindow::mnuExit_Click);
    connect(mnuClearHistory, &QAction::triggered, this, &MainWindow::mnuClearHistory_Click);
    mnuClearHistory->setEnabled(session_->history() != nullptr);

    QMenu* mnuView = menuBar()->addMenu("&View");
    QAction* mnuRosterTable = mnuView->addAction("&Roster Table");
    mnuRosterTable->setShortcut(QKeySequence("Ctrl+T"));
    connect(mnuRosterTable, &QAction::triggered, this, &MainWindow::showRosterTable);
    mnuFollowSaveFile = mnuView->addAction("&Follow Save File");
    mnuFollowSaveFile->setCheckable(true);
    mnuFollowSaveFile->setChecked(session_->following());
    connect(mnuFollowSaveFile, &QAction::toggled, session_, &session::RosterSession::setFollowing);
    mnuDarkTheme = mnuView->addAction("&Dark Theme");
    mnuDarkTheme->setObjectName("mnuDarkTheme");
    mnuDarkTheme->setCheckable(true);
    QAction* mnuHistory = mnuView->addAction("&History");
    mnuHistory->setShortcut(QKeySequence("Ctrl+H"));
    mnuHistory->setEnabled(session_->history() != nullptr);
    connect(mnuHistory, &QAction::triggered, this, &MainWindow::showHistory);
    addNameEncodingMenu(mnuView, *session_);
    connect(mnuDarkTheme, &QAction::toggled, this, &MainWindow::mnuDarkTheme_Click);
    mnuDarkTheme->setChecked(session_->settings().darkTheme());

    QMenu* mnuHelp = menuBar()->addMenu("&Help");
    connect(mnuHelp->addAction("&About Foalix"), &QAction::triggered, this, [this] {
        showAboutBox(this, session_->settings().location(), session_->historyFile());
    });
}

void MainWindow::setTabOrder() {
    std::vector<std::pair<int, QWidget*>> order{
        {0, cmdApply},        {1, optSaveName[0]},  {2, lstHorse},        {3, chkOne},
        {4, chkTwo},          {5, txtTotal},        {27, optSaveName[1]}, {28, optSaveName[2]},
        {29, optSaveName[3]}, {30, optSaveName[4]},
    };
    for (const auto& stop : details_->tabStops()) {
        order.push_back(stop);
    }
    std::sort(order.begin(), order.end());
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    }
}

void MainWindow::mnuDarkTheme_Click(bool dark) {
    applyTheme(dark);
    // The boxes hold a colour of their own: the new look's menu colour.
    for (QLineEdit* box : centralWidget()->findChildren<QLineEdit*>()) {
        colourLockedBox(box);
    }
    try {
        session_->settings().setDarkTheme(dark);
    } catch (const savedata::RunTimeError&) {
        // The look is a convenience: a store that cannot be written keeps the last one.
    }
}

}  // namespace foalix::ui
