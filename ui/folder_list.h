// A folder list like the classic directory list box: the current folder's ancestors,
// opened down to it, then its subfolders. A double-click opens a folder; highlighting
// alone changes nothing, and Enter is left to the dialog's default button.
#pragma once

#include <QListWidget>

#include "platform/platform.h"

namespace foalix::ui {

class FolderList : public QListWidget {
    Q_OBJECT

  public:
    // `install` tells where the game keeps copies of slot files, for marking the folders
    // that hold slots.
    FolderList(platform::Drives& drives, const savedata::InstallFolders& install,
               QWidget* parent = nullptr);

    // The current folder, with the platform's separators.
    QString path() const { return path_; }
    // Moves to `folder`. Raises RunTimeError 68 when its drive is not ready, 76 when
    // there is no such folder and 75 when it cannot be read; the path stays then.
    void setPath(const QString& folder);
    // Moves to the current folder of `drive`, with the same errors.
    void setDrive(const platform::Drive& drive);

  signals:
    // The path was set, by code or by the user opening a folder.
    void pathChanged();

  private:
    void open(QListWidgetItem* item);
    void fill();
    QListWidgetItem* addFolder(const QString& name, const QString& path, int depth, bool opened);

    platform::Drives& drives_;
    savedata::InstallFolders install_;
    QString path_;
};

}  // namespace foalix::ui
