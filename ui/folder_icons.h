// The folder pictures of the folder list: an opened folder for the folder that is open
// and its ancestors, a closed one for the others, either with a mark when the folder
// holds save slots. Drawn here, since many styles give the same picture for both.
#pragma once

#include <QIcon>

namespace foalix::ui {

QIcon folderIcon(bool opened, bool holdsSaves = false);

}  // namespace foalix::ui
