#include "savedata/slot_path.h"

#include <algorithm>

#include "savedata/format.h"
#include "savedata/install_folders.h"
#include "savedata/run_time_error.h"
#include "savedata/slot_file.h"

namespace foalix::savedata {

std::string slotFileName(int slot) {
    return std::string(kSlotFilePrefix) + std::to_string(slot) + std::string(kSlotFileSuffix);
}

int slotOfFileName(std::string_view name, bool ignoreCase) {
    const auto same = [ignoreCase](char a, char b) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return a == b || (ignoreCase && lower(a) == lower(b));
    };
    for (int slot = kFirstSlot; slot < kFirstSlot + kSlotCount; ++slot) {
        const std::string file = slotFileName(slot);
        if (std::equal(name.begin(), name.end(), file.begin(), file.end(), same)) {
            return slot;
        }
    }
    return 0;
}

std::string composeSlotFile(const std::string& rk5Path, int slot) {
    return rk5Path + kPathSeparator + slotFileName(slot);
}

std::vector<int> slotsHeldIn(const std::string& folder, const InstallFolders& install) {
    std::vector<int> slots;
    try {
        for (int slot = kFirstSlot; slot < kFirstSlot + kSlotCount; ++slot) {
            if (SlotFile(slotFileToRead(composeSlotFile(folder, slot), install)).exists()) {
                slots.push_back(slot);
            }
        }
    } catch (const RunTimeError&) {
        // A path longer than the system allows holds no slot files.
    }
    return slots;
}

}  // namespace foalix::savedata
