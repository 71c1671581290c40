// Where the game keeps its files. On Windows that is the game's install folder, below
// Program Files or Program Files (x86). Linux players run the game under Wine, whose
// prefix holds the same folders under drive_c.
#pragma once

#include <QString>

#include "savedata/install_folders.h"

namespace foalix::platform {

struct GameFolders {
    QString saveFolder;    // the default save folder
    QString programFiles;  // where the folder dialog opens
    // The Program Files folders and the user's VirtualStore, for finding the copy of a
    // slot file that the game reads.
    savedata::InstallFolders install;
};

// The folders of `install`: where the game is (savedata::gameInstall).
GameFolders gameFoldersOf(const savedata::InstallFolders& install);

// The folders of this system.
GameFolders gameFolders();

}  // namespace foalix::platform
