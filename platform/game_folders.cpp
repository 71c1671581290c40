#include "platform/game_folders.h"

#include <QDir>
#include <QtGlobal>

namespace foalix::platform {

GameFolders wineGameFolders(const QString& winePrefix, const QString& home) {
    const QString prefix = winePrefix.isEmpty() ? home + "/.wine" : winePrefix;
    // Absolute: applying a slot makes the save folder the current directory, after which
    // a relative path would lead elsewhere.
    const QString programFiles =
        QDir::cleanPath(QDir(prefix).absoluteFilePath("drive_c/Program Files"));
    return {programFiles + "/Vantrel/Galvaro/SAVEDATA", programFiles};
}

GameFolders gameFolders() {
#ifdef Q_OS_WIN
    return {"C:\\Program Files\\Vantrel\\Galvaro\\SAVEDATA", "C:\\Program Files"};
#else
    return wineGameFolders(qEnvironmentVariable("WINEPREFIX"), QDir::homePath());
#endif
}

}  // namespace foalix::platform
