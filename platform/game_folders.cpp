#include "platform/game_folders.h"

#include <QFileInfo>

namespace foalix::platform {

GameFolders gameFoldersOf(const savedata::InstallFolders& install) {
    const savedata::GameInstall game =
        savedata::gameInstall(install, [](const std::string& folder) {
            return QFileInfo::exists(QString::fromStdString(folder));
        });
    return {QString::fromStdString(game.saveFolder), QString::fromStdString(game.programFiles),
            install};
}

GameFolders gameFolders() {
    return gameFoldersOf(savedata::systemInstallFolders());
}

}  // namespace foalix::platform
