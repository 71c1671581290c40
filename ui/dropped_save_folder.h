// What a drop on the main window names: one folder, or one slot file ("Svdata3a.rk5")
// with its folder and slot; where file names ignore case (Windows), "SVDATA3A.RK5" too.
// Anything else names nothing and is refused.
#pragma once

#include <QString>

class QMimeData;

namespace foalix::ui {

struct DroppedSaveFolder {
    QString folder;  // empty: the drop is refused
    int slot = 0;    // the dropped slot file's slot, or 0 for a folder
};

DroppedSaveFolder droppedSaveFolder(const QMimeData* mime, bool ignoresCase);

}  // namespace foalix::ui
