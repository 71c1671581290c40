#include "tests/test_support.h"

#include <atomic>
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

}  // namespace foalix::testing
