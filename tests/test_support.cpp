#include "tests/test_support.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>

#include "savedata/slot_path.h"

namespace foalix::testing {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("foalix-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::writeSlot(int slot, const slotgen::SlotImage& image) const {
    const std::string file = savedata::composeSlotFile(str(), slot);
    image.writeTo(file);
    return file;
}

FolderSnapshot snapshot(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    FolderSnapshot result;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const fs::file_status status = entry.symlink_status();
        FolderSnapshot::Entry item{status.type(), {}, {}};
        if (status.type() == fs::file_type::regular) {
            std::ifstream in(entry.path(), std::ios::binary);
            item.bytes.assign(std::istreambuf_iterator<char>(in), {});
            item.modified = fs::last_write_time(entry.path());
        } else if (status.type() == fs::file_type::symlink) {
            item.bytes = fs::read_symlink(entry.path()).string();
        }
        result.entries[fs::relative(entry.path(), folder).string()] = item;
    }
    return result;
}

}  // namespace foalix::testing
