// The controls of the main window, each at its place in twips, and its menu.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "history/history.h"
#include "ui/about_box.h"
#include "ui/foal_list.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/name_encoding_menu.h"
#include "ui/theme.h"
#include "ui/twips.h"

namespace foalix::ui {

using savedata::HorseEntry;

namespace {

constexpr int kClientWidth = 6945;
constexpr int kClientHeight = 4860;

// One row of the value grid: a label 600 twips left of its box and 30 lower.
struct ValueBox {
    const char* caption;
    const char* boxName;
    std::string HorseEntry::*field;
    int top;
    int boxLeft;
    int tab;
    // What the box's letters mean, for a screen reader.
    const char* meaning;
};

constexpr int kLeftColumn = 4320;
constexpr int kRightColumn = 6000;

constexpr const char* kGraded = "Grade: S best, then A, B, C, D lowest";

const std::vector<ValueBox>& valueGrid() {
    static const std::vector<ValueBox> grid{
        {"年齡：", "txtAge", &HorseEntry::Age, 1440, kLeftColumn, 7,
         "Age in years: 1, 2, or - for any other age"},
        {"性別：", "txtSex", &HorseEntry::Sex, 1440, kRightColumn, 34, "Sex: 牡 colt, 牝 filly"},
        {"素質：", "txtGrade", &HorseEntry::Grade, 1920, kLeftColumn, 8, kGraded},
        {"成長：", "txtWhen", &HorseEntry::When, 1920, kRightColumn, 13,
         "Growth: 早 early, 普 normal, 遲 late, 晚 very late"},
        {"ＳＰ：", "txtSP", &HorseEntry::SP, 2400, kLeftColumn, 9, kGraded},
        {"芝適：", "txtGrass", &HorseEntry::Grass, 2400, kRightColumn, 14, kGraded},
        {"ＳＴ：", "txtST", &HorseEntry::ST, 2880, kLeftColumn, 10, kGraded},
        {"沙適：", "txtMud", &HorseEntry::Mud, 2880, kRightColumn, 15, kGraded},
        {"根性：", "txtWin", &HorseEntry::Win, 3360, kLeftColumn, 12, kGraded},
        {"瞬發：", "txtBurst", &HorseEntry::Burst, 3360, kRightColumn, 16, kGraded},
        {"体力：", "txtStrong", &HorseEntry::Strong, 3840, kLeftColumn, 11, kGraded},
        {"氣性：", "txtTemper", &HorseEntry::Temper, 3840, kRightColumn, 36,
         "Temper: 激 fierce, 荒 rough, 普 even, 大 calm"},
        {"精神：", "txtMind", &HorseEntry::Mind, 4320, kLeftColumn, 38, kGraded},
        {"賢　：", "txtBrian", &HorseEntry::Brian, 4320, kRightColumn, 39, kGraded},
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

void colourLockedBox(QLineEdit* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, lockedBoxColour());
    box->setPalette(palette);
}

// A locked text box: focusable and selectable, never editable, on the menu colour.
QLineEdit* textBox(QWidget* parent, const char* name, QRect place, bool centred) {
    auto* box = placed<QLineEdit>(name, place, parent);
    box->setReadOnly(true);
    box->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    box->setTextMargins(0, 0, 0, 0);
    colourLockedBox(box);
    return box;
}

void label(QWidget* parent, const QString& caption, QRect place) {
    placed<QLabel>(QString(), place, caption, parent);
}

// A caption as a screen reader says it: without its colon and the spaces that align it.
QString spoken(const QString& caption) {
    QString name = caption;
    name.remove("：").remove(QChar(0x3000));
    return name;
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

    constexpr const char* kTotalCaption = "共有：";
    label(client, kTotalCaption, twipsRect(2160, 960, 735, 255));
    txtTotal = textBox(client, "txtTotal", twipsRect(2760, 960, 735, 270), true);
    txtTotal->setAccessibleName(spoken(kTotalCaption));
    txtHorseName = textBox(client, "txtHorseName", twipsRect(3720, 960, 3015, 360), false);
    txtHorseName->setFont(nameFont());
    txtHorseName->setAccessibleName("Selected foal");

    lstHorse = placed<FoalList>("lstHorse", twipsRect(240, 1440, 3255, 3120), client);
    lstHorse->setFont(nameFont());
    lstHorse->setAccessibleName("馬名");
    connect(lstHorse, &FoalList::foalClicked, this, &MainWindow::lstHorse_Click);

    for (const ValueBox& v : valueGrid()) {
        label(client, v.caption, twipsRect(v.boxLeft - 600, v.top + 30, 615, 255));
        QLineEdit* box = textBox(client, v.boxName, twipsRect(v.boxLeft, v.top, 735, 270), true);
        box->setAccessibleName(spoken(v.caption));
        box->setAccessibleDescription(v.meaning);
        valueBoxes_.emplace_back(v.field, box);
    }
}

void MainWindow::colourLockedBoxes() {
    for (QLineEdit* box : centralWidget()->findChildren<QLineEdit*>()) {
        colourLockedBox(box);
    }
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

    mnuView = menuBar()->addMenu("&View");
    mnuRosterTable = mnuView->addAction("&Roster Table");
    mnuRosterTable->setShortcut(QKeySequence("Ctrl+T"));
    mnuFollowSaveFile = mnuView->addAction("&Follow Save File");
    mnuFollowSaveFile->setCheckable(true);
    mnuFollowSaveFile->setChecked(true);
    mnuDarkTheme = mnuView->addAction("&Dark Theme");
    mnuDarkTheme->setObjectName("mnuDarkTheme");
    mnuDarkTheme->setCheckable(true);
    mnuHistory = mnuView->addAction("&History");
    mnuHistory->setShortcut(QKeySequence("Ctrl+H"));
    connect(mnuHistory, &QAction::triggered, this, &MainWindow::showHistory);
    connect(mnuRosterTable, &QAction::triggered, this, &MainWindow::showRosterTable);
    connect(mnuFollowSaveFile, &QAction::toggled, this, &MainWindow::followSlot);
    // Names read in another code page are not foals that came and went: no marks.
    addNameEncodingMenu(mnuView, platform_, this, [this] { reloadSlot(false); });
    connect(mnuDarkTheme, &QAction::toggled, this, &MainWindow::mnuDarkTheme_Click);

    QMenu* mnuHelp = menuBar()->addMenu("&Help");
    connect(mnuHelp->addAction("&About Foalix"), &QAction::triggered, this,
            [this] { showAboutBox(this, platform_.settings.location(), historyFile_); });
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
