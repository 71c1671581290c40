// frmSelectFolder: pick the save folder by drive and folder. Applying writes the
// path box's folder into the caller's save folder; any other way out leaves it.
#pragma once

#include <QDialog>

#include "platform/platform.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace foalix::ui {

class FolderList;

class SelectFolderDialog : public QDialog {
    Q_OBJECT

  public:
    SelectFolderDialog(QString& rk5Path, platform::Platform& platform, QWidget* owner);

  private:
    void buildControls();
    void Form_Load();
    void dirListFolder_Change();
    void txtFullPath_Change();
    void drvListDrive_Change();
    void cmdApply_Click();
    void cmdExit_Click();

    void showPathEnd();
    // Shows `drive` in the drive list, raising its change event when that moves it.
    void showDrive(const platform::Drive& drive);
    platform::Drive chosenDrive() const;

    QString& RK5Path;
    platform::Platform& platform_;
    QList<platform::Drive> drives_;

    QLineEdit* txtFullPath = nullptr;
    FolderList* dirListFolder = nullptr;
    QComboBox* drvListDrive = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdExit = nullptr;
};

// The text of the message for a drive that is not ready; `namesIgnoreCase` where the
// drive is a letter (Windows).
QString unreadyDriveMessage(const QString& driveText, bool namesIgnoreCase);

}  // namespace foalix::ui
