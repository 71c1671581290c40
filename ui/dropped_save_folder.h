// What a drop on the main window names: one folder, or one slot file ("Svdata3a.rk5")
// with its folder and slot; where file names ignore case (Windows), "SVDATA3A.RK5" too.
// Anything else names nothing and is refused.
#pragma once

#include <QObject>
#include <QString>

#include "platform/platform.h"

class QMimeData;
class QWidget;

namespace foalix::ui {

struct DroppedSaveFolder {
    QString folder;  // empty: the drop is refused
    int slot = 0;    // the dropped slot file's slot, or 0 for a folder
};

DroppedSaveFolder droppedSaveFolder(const QMimeData* mime, bool ignoresCase);

// Takes the drops on `window` (which it makes accept drops): a drop that names a save
// folder, read by the rules of `files`, is accepted and announced, anything else refused.
class SaveFolderDrops : public QObject {
    Q_OBJECT

  public:
    SaveFolderDrops(QWidget* window, const platform::FileSystem& files);

  signals:
    void dropped(const QString& folder, int slot);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const platform::FileSystem& files_;
};

}  // namespace foalix::ui
