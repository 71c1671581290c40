#include "ui/select_folder_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/proper_case.h"
#include "savedata/run_time_error.h"
#include "ui/error_report.h"
#include "ui/folder_list.h"
#include "ui/fonts.h"
#include "ui/placed_controls.h"
#include "ui/twips.h"

namespace foalix::ui {

using savedata::RunTimeError;

namespace {

constexpr int kClientWidth = 3180;
constexpr int kClientHeight = 4170;

void label(QWidget* parent, const QString& caption, QRect place, QWidget* buddy) {
    auto* l = new QLabel(caption, parent);
    l->setGeometry(place);
    l->setBuddy(buddy);
}

}  // namespace

QString unreadyDriveMessage(const QString& driveText, bool namesIgnoreCase) {
    // A drive letter reads the same in capitals and names its root with a backslash;
    // a mount path is shown as it is, since any other spelling names another folder.
    const QString drive = namesIgnoreCase ? driveText.toUpper() + "\\" : driveText;
    // Its two lines end in CR LF, as a Windows message box's text always has.
    return SelectFolderDialog::tr("無法存取 %1。\n裝置尚未就緒。").arg(drive).replace("\n", "\r\n");
}

SelectFolderDialog::SelectFolderDialog(QString& rk5Path, platform::Platform& platform,
                                       QWidget* owner)
    : QDialog(owner), RK5Path(rk5Path), platform_(platform), drives_(platform.drives.list()) {
    setObjectName("frmSelectFolder");
    setWindowTitle(tr("Select Folder"));
    // Neither a minimize nor a maximize button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QIcon icon;
    icon.addFile(":/icons/foalix-16.png", QSize(16, 16));
    icon.addFile(":/icons/foalix-32.png", QSize(32, 32));
    setWindowIcon(icon);
    buildControls();
    Form_Load();
    dirListFolder->setFocus();
}

void SelectFolderDialog::buildControls() {
    dirListFolder = new FolderList(platform_.drives, platform_.folders.install, this);
    dirListFolder->setObjectName("dirListFolder");
    dirListFolder->setGeometry(twipsRect(600, 1080, 2055, 1560));
    dirListFolder->setFont(nameFont());
    dirListFolder->setToolTip(tr("選擇資料夾"));
    connect(dirListFolder, &FolderList::pathChanged, this,
            &SelectFolderDialog::dirListFolder_Change);

    drvListDrive = new QComboBox(this);
    drvListDrive->setObjectName("drvListDrive");
    drvListDrive->setGeometry(twipsRect(600, 3075, 2055, 300));
    drvListDrive->setFont(nameFont());
    drvListDrive->setToolTip(tr("選擇磁碟機"));
    for (const platform::Drive& drive : drives_) {
        drvListDrive->addItem(drive.text);
    }
    // A new drive list starts at the current drive.
    drvListDrive->setCurrentIndex(static_cast<int>(
        drives_.indexOf(platform_.drives.driveOf(platform_.files.currentDirectory()))));
    connect(drvListDrive, &QComboBox::currentIndexChanged, this,
            &SelectFolderDialog::drvListDrive_Change);

    cmdApply = new QPushButton(tr("&Apply"), this);
    cmdApply->setObjectName("cmdApply");
    cmdApply->setDefault(true);
    connect(cmdApply, &QPushButton::clicked, this, &SelectFolderDialog::cmdApply_Click);

    cmdExit = new QPushButton(tr("&Cancel"), this);
    cmdExit->setObjectName("cmdExit");
    // Enter presses "&Apply" wherever the focus is, this button's included.
    cmdExit->setAutoDefault(false);
    connect(cmdExit, &QPushButton::clicked, this, &SelectFolderDialog::cmdExit_Click);

    txtFullPath = new QLineEdit(this);
    txtFullPath->setObjectName("txtFullPath");
    txtFullPath->setReadOnly(true);
    txtFullPath->setGeometry(twipsRect(600, 480, 2055, 285));
    txtFullPath->setFont(nameFont());
    connect(txtFullPath, &QLineEdit::textChanged, this, &SelectFolderDialog::txtFullPath_Change);

    label(this, tr("&Name:"), twipsRect(600, 240, 1095, 255), dirListFolder);
    label(this, tr("&Folder:"), twipsRect(600, 840, 975, 255), dirListFolder);
    label(this, tr("&Drive"), twipsRect(600, 2835, 1215, 255), drvListDrive);
    // The buttons at their places, unless their captions need more room: then the row,
    // and the dialog with it, widens; so does a label whose caption needs more.
    const int grown = flowRow(
        {{cmdApply, twipsRect(600, 3525, 975, 375)}, {cmdExit, twipsRect(1680, 3525, 975, 375)}},
        twips(kClientWidth - 525));
    setFixedSize(twipsSize(kClientWidth, kClientHeight) + QSize(grown, 0));
    for (QLabel* caption : findChildren<QLabel*>()) {
        caption->resize(std::max(caption->width(), neededWidth(caption)), caption->height());
    }

    setTabOrder(dirListFolder, drvListDrive);
    setTabOrder(drvListDrive, cmdApply);
    setTabOrder(cmdApply, cmdExit);
    setTabOrder(cmdExit, txtFullPath);
}

// Opens at the game's usual install folder; where that is missing, at the user's
// home folder, so the dialog always opens.
void SelectFolderDialog::Form_Load() {
    try {
        dirListFolder->setPath(platform_.folders.programFiles);
    } catch (const RunTimeError&) {
        reportingErrors(platform_.messages, this,
                        [&] { dirListFolder->setPath(QDir::homePath()); });
    }
}

void SelectFolderDialog::dirListFolder_Change() {
    txtFullPath->setText(dirListFolder->path());
    showPathEnd();
}

// A long path shows its end, where the folder's own name is.
void SelectFolderDialog::showPathEnd() {
    txtFullPath->setCursorPosition(static_cast<int>(txtFullPath->text().size()));
}

// Where the file system ignores case, folders are shown in proper case. Elsewhere
// that would name another folder, so the path is shown as it is.
void SelectFolderDialog::txtFullPath_Change() {
    if (!platform_.files.ignoresCase()) {
        return;
    }
    const QString proper = platform::properCase(txtFullPath->text());
    if (proper != txtFullPath->text()) {
        txtFullPath->setText(proper);
        showPathEnd();
    }
}

platform::Drive SelectFolderDialog::chosenDrive() const {
    const int index = drvListDrive->currentIndex();
    return index >= 0 && index < drives_.size() ? drives_.at(index) : platform::Drive{};
}

void SelectFolderDialog::showDrive(const platform::Drive& drive) {
    const auto index = drives_.indexOf(drive);
    if (index >= 0) {
        drvListDrive->setCurrentIndex(static_cast<int>(index));
    }
}

void SelectFolderDialog::drvListDrive_Change() {
    while (true) {
        const platform::Drive drive = chosenDrive();
        int failure = 0;
        try {
            dirListFolder->setDrive(drive);
        } catch (const RunTimeError& error) {
            failure = error.number();
        }
        if (failure == 0) {
            reportingErrors(platform_.messages, this, [&] { platform_.drives.makeCurrent(drive); });
            return;
        }
        if (failure != savedata::error::kDeviceUnavailable) {
            return;  // the lists keep the folder last reached
        }
        const platform::Answer answer = platform_.messages.show(
            this, unreadyDriveMessage(drive.text, platform_.files.ignoresCase()),
            platform::Buttons::RetryCancel, platform::Icon::Critical);
        if (answer == platform::Answer::Retry) {
            continue;
        }
        // Back to the current drive; that change runs this handler again for it.
        showDrive(platform_.drives.driveOf(platform_.files.currentDirectory()));
        return;
    }
}

void SelectFolderDialog::cmdApply_Click() {
    RK5Path = txtFullPath->text();
    cmdExit_Click();
}

void SelectFolderDialog::cmdExit_Click() {
    close();
}

}  // namespace foalix::ui
