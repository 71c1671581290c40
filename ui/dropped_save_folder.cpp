#include "ui/dropped_save_folder.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

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

SaveFolderDrops::SaveFolderDrops(QWidget* window, const platform::FileSystem& files)
    : QObject(window), files_(files) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool SaveFolderDrops::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const DroppedSaveFolder named = droppedSaveFolder(drop->mimeData(), files_.ignoresCase());
    if (!named.folder.isEmpty()) {
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop) {
            emit dropped(named.folder, named.slot);
        }
    }
    return true;
}

}  // namespace foalix::ui
