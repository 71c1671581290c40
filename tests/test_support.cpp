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

std::map<std::string, std::string> snapshot(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> result;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const fs::file_type type = entry.symlink_status().type();
        std::string& item = result[fs::relative(entry.path(), folder).string()];
        item = std::to_string(static_cast<int>(type)) + " ";
        if (type == fs::file_type::regular) {
            std::ifstream in(entry.path(), std::ios::binary);
            item.append(std::istreambuf_iterator<char>(in), {});
            item += std::to_string(fs::last_write_time(entry.path()).time_since_epoch().count());
        } else if (type == fs::file_type::symlink) {
            item += fs::read_symlink(entry.path()).string();
        }
    }
    return result;
}

}  // namespace foalix::testing
