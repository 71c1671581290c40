// The two folder pictures of the folder list: an opened folder for the folder that is
// open and its ancestors, a closed one for the others. Drawn here, since many styles
// give the same picture for both.
#pragma once

#include <QIcon>

namespace foalix::ui {

QIcon folderIcon(bool opened);

}  // namespace foalix::ui
