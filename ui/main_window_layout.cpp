// The controls of the main window, each at its place in twips, its menus and its tab order.
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "session/roster_session.h"
#include "ui/about_box.h"
#include "ui/foal_details.h"
#include "ui/foal_list.h"
#include "ui/main_window.h"
#include "ui/placed_controls.h"
#include "ui/slot_frame.h"
#include "ui/view_menu.h"

namespace foalix::ui {

void MainWindow::buildControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(twipsSize(6945, 4860));
    setCentralWidget(client);
    Frame1 = new SlotFrame(client);
    connect(Frame1->cmdApply, &QPushButton::clicked, this, &MainWindow::cmdApply_Click);
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

void MainWindow::buildMenus() {
    QMenu* mnuFile = menuBar()->addMenu("&File");
    connect(mnuFile->addAction("&Select Folder"), &QAction::triggered, this,
            &MainWindow::mnuSelectFolder_Click);
    QAction* mnuClearHistory = mnuFile->addAction("Clear &History…");
    mnuClearHistory->setEnabled(session_->history() != nullptr);
    connect(mnuClearHistory, &QAction::triggered, this, &MainWindow::mnuClearHistory_Click);
    mnuFile->addSeparator();
    connect(mnuFile->addAction("E&xit"), &QAction::triggered, this, &MainWindow::mnuExit_Click);
    auto* mnuView = new ViewMenu(this, *session_);
    connect(mnuView, &ViewMenu::rosterTableAsked, this, &MainWindow::showRosterTable);
    connect(mnuView, &ViewMenu::historyAsked, this, &MainWindow::showHistory);
    QMenu* mnuHelp = menuBar()->addMenu("&Help");
    connect(mnuHelp->addAction("&About Foalix"), &QAction::triggered, this, [this] {
        showAboutBox(this, session_->settings().location(), session_->historyFile());
    });
}

void MainWindow::setTabOrder() {
    const auto& button = Frame1->optSaveName;
    std::vector<std::pair<int, QWidget*>> order{
        {0, Frame1->cmdApply}, {1, button[0]},  {2, lstHorse},   {3, chkOne},     {4, chkTwo},
        {5, txtTotal},         {27, button[1]}, {28, button[2]}, {29, button[3]}, {30, button[4]}};
    for (const auto& stop : details_->tabStops()) {
        order.push_back(stop);
    }
    std::sort(order.begin(), order.end());
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    }
}

}  // namespace foalix::ui
