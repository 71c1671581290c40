#include "savedata/install_folders.h"

#include "savedata/run_time_error.h"
#include "savedata/slot_file.h"
#include "savedata/slot_path.h"

namespace foalix::savedata {
namespace {

// Both separators name folders on Windows; a backslash in a name elsewhere is no concern
// here, since only systems with a VirtualStore compare paths.
bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

char folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameChar(char a, char b, bool ignoreCase) {
    return a == b || (isSeparator(a) && isSeparator(b)) || (ignoreCase && folded(a) == folded(b));
}

std::string withoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && isSeparator(path.back())) {
        path.pop_back();
    }
    return path;
}

// True when `path` names something inside `folder` (not the folder itself).
bool isBelow(const std::string& path, const std::string& folder, bool ignoreCase) {
    const std::string top = withoutTrailingSeparators(folder);
    if (top.empty() || path.size() <= top.size() + 1 || !isSeparator(path[top.size()])) {
        return false;
    }
    for (std::size_t i = 0; i < top.size(); ++i) {
        if (!sameChar(path[i], top[i], ignoreCase)) {
            return false;
        }
    }
    return true;
}

// The path without its drive ("C:"), as the VirtualStore mirrors it.
std::string withoutDrive(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' ? path.substr(2) : path;
}

}  // namespace

std::string saveFolderUnder(const std::string& programFiles) {
    const std::string s(1, kPathSeparator);
    return withoutTrailingSeparators(programFiles) + s + "Vantrel" + s + "Galvaro" + s + "SAVEDATA";
}

GameInstall gameInstall(const InstallFolders& folders, const ExistsQuery& exists) {
    for (const std::string& programFiles : folders.programFiles) {
        if (exists(saveFolderUnder(programFiles))) {
            return {programFiles, saveFolderUnder(programFiles)};
        }
    }
    for (const std::string& programFiles : folders.programFiles) {
        const std::string saveFolder = saveFolderUnder(programFiles);
        const std::string copy = gameFileCandidates(saveFolder, folders).front();
        if (exists(copy)) {
            return {programFiles, copy};
        }
    }
    if (folders.programFiles.empty()) {
        return {};
    }
    return {folders.programFiles.front(), saveFolderUnder(folders.programFiles.front())};
}

std::vector<std::string> gameFileCandidates(const std::string& path,
                                            const InstallFolders& folders) {
    if (!folders.virtualStore.empty()) {
        for (const std::string& programFiles : folders.programFiles) {
            if (isBelow(path, programFiles, folders.ignoreCase)) {
                return {withoutTrailingSeparators(folders.virtualStore) + withoutDrive(path), path};
            }
        }
    }
    return {path};
}

std::string gameReadsFrom(const std::string& path, const InstallFolders& folders,
                          const ExistsQuery& exists) {
    for (const std::string& candidate : gameFileCandidates(path, folders)) {
        if (exists(candidate)) {
            return candidate;
        }
    }
    return path;
}

std::string slotFileToRead(const std::string& path, const InstallFolders& folders) {
    return gameReadsFrom(path, folders, [](const std::string& candidate) {
        try {
            return SlotFile(candidate).exists();
        } catch (const RunTimeError&) {
            return false;  // a name too long for the system: no copy can be there
        }
    });
}

InstallFolders wineInstallFolders(const std::string& winePrefix, const std::string& home) {
    const std::string prefix =
        withoutTrailingSeparators(winePrefix.empty() ? home + "/.wine" : winePrefix);
    const std::string driveC = prefix + "/drive_c/";
    return {{driveC + "Program Files", driveC + "Program Files (x86)"}, "", false};
}

}  // namespace foalix::savedata
