#include "tests/test_support.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>

#include "savedata/slot_path.h"

namespace foalix::testing {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    path_ =
        std::filesystem::temp_directory_path() /
        ("foalix-test-" + std::to_string(std::random_device()()) + "-" + std::to_string(counter++));
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
        std::string& item = result[entry.path().string()];
        if (entry.is_symlink()) {
            item = "-> " + fs::read_symlink(entry.path()).string();
        } else if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            item.assign(std::istreambuf_iterator<char>(in), {});
            item += std::to_string(entry.last_write_time().time_since_epoch().count());
        }
    }
    return result;
}

}  // namespace foalix::testing
