// The controls of the main window, each at its place in twips, its menus and its tab order.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "session/roster_session.h"
#include "ui/foal_details.h"
#include "ui/foal_list.h"
#include "ui/main_menus.h"
#include "ui/main_window.h"
#include "ui/note_box.h"
#include "ui/note_edit.h"
#include "ui/placed_controls.h"
#include "ui/slot_frame.h"
#include "ui/total_box.h"

namespace foalix::ui {

void MainWindow::buildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    Frame1 = new SlotFrame(client);
    connect(Frame1->cmdApply, &QPushButton::clicked, this, &MainWindow::cmdApply_Click);
    chkOne = placed<QCheckBox>("chkOne", QRect(), client);
    chkTwo = placed<QCheckBox>("chkTwo", QRect(), client);
    lblTotal = label(client, QString(), QRect());
    txtTotal = new TotalBox(*session_, client);
    topRow_ = {{chkOne, twipsRect(360, 960, 735, 255)},
               {chkTwo, twipsRect(1200, 960, 735, 255)},
               {lblTotal, twipsRect(2160, 960, 735, 255)},
               {txtTotal, twipsRect(2760, 960, 735, 270)}};
    lstHorse = placed<FoalList>("lstHorse", twipsRect(240, 1440, 3255, 3120), client);
    lstHorse->showSession(*session_);
    connect(lstHorse, &FoalList::foalClicked, this, &MainWindow::lstHorse_Click);
    details_ = new FoalDetails(*session_, client);
    note_ = new NoteBox(*session_, client);
}

void MainWindow::buildMenus() {
    menus_ = new MainMenus(this, *session_);
    connect(menus_, &MainMenus::selectFolderAsked, this, &MainWindow::mnuSelectFolder_Click);
    connect(menus_, &MainMenus::exitAsked, this, &MainWindow::mnuExit_Click);
    connect(menus_, &MainMenus::rosterTableAsked, this, &MainWindow::showRosterTable);
    connect(menus_, &MainMenus::historyAsked, this, &MainWindow::showHistory);
    connect(menus_, &MainMenus::compareAsked, this, &MainWindow::showCompare);
    connect(menus_, &MainMenus::overviewAsked, this, &MainWindow::showOverview);
    connect(menus_, &MainMenus::foalHistoryAsked, this, &MainWindow::showFoalStory);
}

// Every caption of the window, then the room they need: the parts first, since the rows
// and the window's width follow from theirs.
void MainWindow::retranslate() {
    setWindowTitle(tr("Foalix for RK5"));
    refreshCaptionFonts(centralWidget());
    Frame1->retranslate();
    details_->retranslate();
    note_->retranslate();
    txtTotal->showTotal();
    chkOne->setText(tr("１歲"));
    chkTwo->setText(tr("２歲"));
    lblTotal->setText(tr("共有："));
    txtTotal->setAccessibleName(spoken(lblTotal->text()));
    lstHorse->setAccessibleName(tr("馬名"));
    lstHorse->setToolTip(
        tr("The foals of the ages ticked, by name: 新 arrived, ▲ better, "
           "▼ worse, ◆ changed since the previous read"));
    menus_->retranslate();
    // In twips as ever, unless a caption needs more room: the row and the grid widen.
    details_->shiftBy(flowRow(topRow_, twips(3720)));
    // The note beneath the values, as wide as their grid.
    note_->setGeometry(QRect(details_->x(), twips(5160), details_->width(), twips(1200)));
    centralWidget()->setFixedSize(
        std::max(twips(6945), details_->geometry().right() + 1 + twips(210)), twips(6570));
    Frame1->resize(centralWidget()->width() - twips(240 + 210), Frame1->height());
}

void MainWindow::setTabOrder() {
    const auto& button = Frame1->optSaveName;
    std::vector<std::pair<int, QWidget*>> order{
        {0, Frame1->cmdApply}, {1, button[0]},  {2, lstHorse},      {3, chkOne},
        {4, chkTwo},           {5, txtTotal},   {27, button[1]},    {28, button[2]},
        {29, button[3]},       {30, button[4]}, {26, note_->edit()}};
    for (const auto& stop : details_->tabStops()) {
        order.push_back(stop);
    }
    std::sort(order.begin(), order.end());
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    }
}

}  // namespace foalix::ui
