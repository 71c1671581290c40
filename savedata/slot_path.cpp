#include "savedata/slot_path.h"

#include "savedata/format.h"

namespace foalix::savedata {

std::string slotFileName(int slot) {
    return std::string(kSlotFilePrefix) + std::to_string(slot) + std::string(kSlotFileSuffix);
}

std::string composeSlotFile(const std::string& rk5Path, int slot) {
    return rk5Path + kPathSeparator + slotFileName(slot);
}

}  // namespace foalix::savedata
