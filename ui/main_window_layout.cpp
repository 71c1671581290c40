// The controls of the main window, each at its place in twips, and its menu.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "ui/foal_list.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/name_encoding_menu.h"
#include "ui/twips.h"

namespace foalix::ui {

using savedata::HorseEntry;

namespace {

constexpr int kClientWidth = 6945;
constexpr int kClientHeight = 4860;

// One row of the value grid: a label 600 twips left of its box and 30 lower.
struct ValueBox {
    int labelIndex;
    const char* caption;
    const char* boxName;
    std::string HorseEntry::*field;
    int top;
    int boxLeft;
    int tab;
};

constexpr int kLeftColumn = 4320;
constexpr int kRightColumn = 6000;

const std::vector<ValueBox>& valueGrid() {
    static const std::vector<ValueBox> grid{
        {9, "年齡：", "txtAge", &HorseEntry::Age, 1440, kLeftColumn, 7},
        {11, "性別：", "txtSex", &HorseEntry::Sex, 1440, kRightColumn, 34},
        {0, "素質：", "txtGrade", &HorseEntry::Grade, 1920, kLeftColumn, 8},
        {4, "成長：", "txtWhen", &HorseEntry::When, 1920, kRightColumn, 13},
        {8, "ＳＰ：", "txtSP", &HorseEntry::SP, 2400, kLeftColumn, 9},
        {3, "芝適：", "txtGrass", &HorseEntry::Grass, 2400, kRightColumn, 14},
        {7, "ＳＴ：", "txtST", &HorseEntry::ST, 2880, kLeftColumn, 10},
        {2, "沙適：", "txtMud", &HorseEntry::Mud, 2880, kRightColumn, 15},
        {5, "根性：", "txtWin", &HorseEntry::Win, 3360, kLeftColumn, 12},
        {1, "瞬發：", "txtBurst", &HorseEntry::Burst, 3360, kRightColumn, 16},
        {6, "体力：", "txtStrong", &HorseEntry::Strong, 3840, kLeftColumn, 11},
        {12, "氣性：", "txtTemper", &HorseEntry::Temper, 3840, kRightColumn, 36},
        {13, "精神：", "txtMind", &HorseEntry::Mind, 4320, kLeftColumn, 38},
        {14, "賢　：", "txtBrian", &HorseEntry::Brian, 4320, kRightColumn, 39},
    };
    return grid;
}

// A control named `name` at `place`, in the caption font.
template <typename Control, typename... Args>
Control* placed(const QString& name, QRect place, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)...);
    control->setObjectName(name);
    control->setGeometry(place);
    control->setFont(captionFont());
    return control;
}

// A locked text box: focusable and selectable, never editable, on the menu colour.
QLineEdit* textBox(QWidget* parent, const char* name, QRect place, bool centred) {
    auto* box = placed<QLineEdit>(name, place, parent);
    box->setReadOnly(true);
    box->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    box->setTextMargins(0, 0, 0, 0);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QApplication::palette("QMenuBar").color(QPalette::Window));
    box->setPalette(palette);
    return box;
}

QLabel* label(QWidget* parent, const QString& caption, QRect place) {
    return placed<QLabel>(QString(), place, caption, parent);
}

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

    Label1[10] = label(client, "共有：", twipsRect(2160, 960, 735, 255));
    txtTotal = textBox(client, "txtTotal", twipsRect(2760, 960, 735, 270), true);
    txtHorseName = textBox(client, "txtHorseName", twipsRect(3720, 960, 3015, 360), false);
    txtHorseName->setFont(nameFont());

    lstHorse = placed<FoalList>("lstHorse", twipsRect(240, 1440, 3255, 3120), client);
    lstHorse->setFont(nameFont());
    connect(lstHorse, &FoalList::foalClicked, this, &MainWindow::lstHorse_Click);

    for (const ValueBox& v : valueGrid()) {
        Label1[v.labelIndex] =
            label(client, v.caption, twipsRect(v.boxLeft - 600, v.top + 30, 615, 255));
        valueBoxes_.emplace_back(
            v.field, textBox(client, v.boxName, twipsRect(v.boxLeft, v.top, 735, 270), true));
    }
}

void MainWindow::buildMenu() {
    mnuFile = menuBar()->addMenu("&File");
    mnuSelectFolder = mnuFile->addAction("&Select Folder");
    mnuFile->addSeparator();
    mnuExit = mnuFile->addAction("E&xit");
    connect(mnuSelectFolder, &QAction::triggered, this, &MainWindow::mnuSelectFolder_Click);
    connect(mnuExit, &QAction::triggered, this, &MainWindow::mnuExit_Click);

    mnuView = menuBar()->addMenu("&View");
    mnuRosterTable = mnuView->addAction("&Roster Table");
    mnuRosterTable->setShortcut(QKeySequence("Ctrl+T"));
    mnuFollowSaveFile = mnuView->addAction("&Follow Save File");
    mnuFollowSaveFile->setCheckable(true);
    mnuFollowSaveFile->setChecked(true);
    connect(mnuRosterTable, &QAction::triggered, this, &MainWindow::showRosterTable);
    connect(mnuFollowSaveFile, &QAction::toggled, this, &MainWindow::followSlot);
    addNameEncodingMenu(mnuView, platform_, this, [this] { reloadSlot(); });
}

void MainWindow::setTabOrder() {
    std::vector<std::pair<int, QWidget*>> order{
        {0, cmdApply},        {1, optSaveName[0]},  {2, lstHorse},        {3, chkOne},
        {4, chkTwo},          {5, txtTotal},        {6, txtHorseName},    {27, optSaveName[1]},
        {28, optSaveName[2]}, {29, optSaveName[3]}, {30, optSaveName[4]},
    };
    for (std::size_t i = 0; i < valueGrid().size(); ++i) {
        order.emplace_back(valueGrid()[i].tab, valueBoxes_[i].second);
    }
    std::sort(order.begin(), order.end());
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    }
}

}  // namespace foalix::ui
