// What a drop on the main window names: one folder, or one slot file ("Svdata3a.rk5")
// with its folder and slot. Anything else names nothing and is refused.
#pragma once

#include <QString>

class QMimeData;

namespace foalix::ui {

struct DroppedSaveFolder {
    QString folder;  // empty: the drop is refused
    int slot = 0;    // the dropped slot file's slot, or 0 for a folder
};

DroppedSaveFolder droppedSaveFolder(const QMimeData* mime);

}  // namespace foalix::ui
