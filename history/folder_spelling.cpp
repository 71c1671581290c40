#include "history/folder_spelling.h"

#include <system_error>

namespace foalix::history {

namespace fs = std::filesystem;

fs::path utf8Path(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string folderSpelling(const std::string& folder) {
    std::error_code failed;
    fs::path path = fs::absolute(utf8Path(folder), failed);
    if (failed) {
        return folder;
    }
    path = path.lexically_normal();
    if (!path.has_filename() && path.has_relative_path()) {
        path = path.parent_path();
    }
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

const std::string& sameFolderCondition() {
#ifdef _WIN32
    static const std::string condition = "save_folder = ? COLLATE NOCASE";
#else
    static const std::string condition = "save_folder = ?";
#endif
    return condition;
}

}  // namespace foalix::history
