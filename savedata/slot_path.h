// Where a slot lives: the save folder, used exactly as stored, then the slot's file name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace foalix::savedata {

struct InstallFolders;

// The platform's path separator: "\" on Windows, "/" elsewhere.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// "Svdata" + slot + "a.rk5" (slot 1 to 5).
std::string slotFileName(int slot);

// The slot whose file is named `name` ("Svdata3a.rk5" gives 3), or 0 for any other name.
// With `ignoreCase`, as where file names ignore case, "SVDATA3A.RK5" gives 3 too.
int slotOfFileName(std::string_view name, bool ignoreCase);

// RK5Path + separator + slotFileName(slot). Nothing is added to or removed from the
// folder, so a folder that already ends in a separator gives a doubled one, which
// every file system reads as a single one.
std::string composeSlotFile(const std::string& rk5Path, int slot);

// The slots whose files are in `folder`, in order, counting the copies the game reads in
// their place (see slotFileToRead). Never raises: a folder that cannot be read holds none.
std::vector<int> slotsHeldIn(const std::string& folder, const InstallFolders& install);

}  // namespace foalix::savedata
