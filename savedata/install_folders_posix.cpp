// Elsewhere than on Windows the game runs under Wine, in the prefix $WINEPREFIX names.
#include <cstdlib>

#include "savedata/install_folders.h"

namespace foalix::savedata {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

InstallFolders systemInstallFolders() {
    return wineInstallFolders(environment("WINEPREFIX"), environment("HOME"));
}

}  // namespace foalix::savedata
