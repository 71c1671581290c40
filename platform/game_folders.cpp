#include "platform/game_folders.h"

#include <QFileInfo>

namespace foalix::platform {

GameFolders gameFoldersOf(const savedata::InstallFolders& install) {
    const std::string programFiles =
        savedata::gameProgramFiles(install, [](const std::string& folder) {
            return QFileInfo::exists(QString::fromStdString(folder));
        });
    return {QString::fromStdString(savedata::saveFolderUnder(programFiles)),
            QString::fromStdString(programFiles), install};
}

GameFolders gameFolders() {
    return gameFoldersOf(savedata::systemInstallFolders());
}

}  // namespace foalix::platform
