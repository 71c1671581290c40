// Elsewhere than on Windows the game runs under Wine, in the prefix $WINEPREFIX names.
#include <cstdlib>
#include <filesystem>

#include "savedata/install_folders.h"

namespace foalix::savedata {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

InstallFolders systemInstallFolders() {
    // Absolute: applying a slot makes the save folder the current directory, after which
    // a relative prefix would lead elsewhere.
    std::string prefix = environment("WINEPREFIX");
    if (!prefix.empty()) {
        prefix = std::filesystem::absolute(prefix).string();
    }
    return wineInstallFolders(prefix, environment("HOME"));
}

}  // namespace foalix::savedata
