#include "platform/system_services.h"

namespace foalix::platform {

Platform& systemPlatform() {
    static SystemFileSystem files;
    static SystemDrives drives;
    static QtSettingsStore settings = QtSettingsStore::forUser("Foalix RK5");
    static QtMessageBoxes messages;
    static Platform platform{files, drives, settings, messages, gameFolders()};
    return platform;
}

}  // namespace foalix::platform
