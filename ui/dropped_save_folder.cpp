#include "ui/dropped_save_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "savedata/slot_path.h"

namespace foalix::ui {

DroppedSaveFolder droppedSaveFolder(const QMimeData* mime, bool ignoresCase) {
    if (mime == nullptr || mime->urls().size() != 1 || !mime->urls().first().isLocalFile()) {
        return {};
    }
    const QFileInfo dropped(mime->urls().first().toLocalFile());
    if (dropped.isDir()) {
        return {QDir::toNativeSeparators(dropped.absoluteFilePath()), 0};
    }
    const int slot = savedata::slotOfFileName(dropped.fileName().toStdString(), ignoresCase);
    if (slot == 0 || !dropped.isFile()) {
        return {};
    }
    return {QDir::toNativeSeparators(dropped.absolutePath()), slot};
}

}  // namespace foalix::ui
