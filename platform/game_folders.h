// Where the game keeps its files. On Windows that is the game's install folder. Linux
// players run the game under Wine, whose prefix holds the same folders under drive_c.
#pragma once

#include <QString>

namespace foalix::platform {

struct GameFolders {
    QString saveFolder;    // the default save folder
    QString programFiles;  // where the folder dialog opens
};

// The folders for a Wine prefix (empty: the default prefix ~/.wine of `home`).
GameFolders wineGameFolders(const QString& winePrefix, const QString& home);

// The folders on this system: the fixed Windows paths on Windows, the Wine prefix
// named by $WINEPREFIX (or ~/.wine) elsewhere.
GameFolders gameFolders();

}  // namespace foalix::platform
