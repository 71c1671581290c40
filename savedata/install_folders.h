// Where the game is installed, and which copy of one of its files it reads.
//
// A 32-bit game installed under Program Files that runs without administrator rights
// cannot write there: Windows redirects its writes into the user's VirtualStore
// (%LOCALAPPDATA%\VirtualStore\<the file's path without its drive>), and from then on the
// game reads that copy in place of the file. A 64-bit reader is never redirected, so it
// looks for the copy itself, or it would read a stale save that the game no longer uses.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace foalix::savedata {

struct InstallFolders {
    // The system's Program Files folders: the real one first, then Program Files (x86).
    std::vector<std::string> programFiles;
    // The user's VirtualStore folder; empty where the system redirects no writes.
    std::string virtualStore;
    // Whether names differ by case only on this system (not on Windows).
    bool ignoreCase = false;
};

using ExistsQuery = std::function<bool(const std::string& path)>;

// The game's save folder below a Program Files folder.
std::string saveFolderUnder(const std::string& programFiles);

struct GameInstall {
    std::string programFiles;  // the Program Files folder the game is installed in
    std::string saveFolder;    // its save folder
};

// Where the game is: below the first Program Files folder that holds its save folder;
// else the user's VirtualStore copy of the save folder below the first one that has
// such a copy (a game that first saved without administrator rights made its save
// folder only there); else below the first Program Files folder.
GameInstall gameInstall(const InstallFolders& folders, const ExistsQuery& exists);

// Where the game may keep the file at `path`, in the order it looks: for a file below one
// of the Program Files folders, the user's VirtualStore copy, then the file itself; for
// any other file only the file itself.
std::vector<std::string> gameFileCandidates(const std::string& path, const InstallFolders& folders);

// The file the game reads for `path`: the first candidate that exists, else `path`.
std::string gameReadsFrom(const std::string& path, const InstallFolders& folders,
                          const ExistsQuery& exists);

// The slot file the game reads for the slot file at `path` on this disk, for the window
// and foalix-dump alike. Only looks: nothing is created, moved or written.
std::string slotFileToRead(const std::string& path, const InstallFolders& folders);

// The Program Files folders of a Wine prefix (empty: `home`/.wine), where Wine keeps
// no VirtualStore: it does not redirect a game's writes.
InstallFolders wineInstallFolders(const std::string& winePrefix, const std::string& home);

// The folders of this system: asked from Windows on Windows; elsewhere those of the
// Wine prefix named by $WINEPREFIX (or ~/.wine), where Linux players run the game.
InstallFolders systemInstallFolders();

#ifdef _WIN32
// The user's local application data folder (%LOCALAPPDATA%), as Windows names it.
std::string localAppDataFolder();
#endif

}  // namespace foalix::savedata
