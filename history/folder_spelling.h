// A save folder in one spelling, however it was written, so the history finds what belongs
// to it whether the window or foalix-dump was given the folder: absolute, without "." or
// "..", without a separator at its end; case blind on Windows, whose file names are.
#pragma once

#include <filesystem>
#include <string>

namespace foalix::history {

// A UTF-8 path (as SQLite takes them) as the file system takes it.
std::filesystem::path utf8Path(const std::string& text);

std::string folderSpelling(const std::string& folder);

// The SQL condition that a row's save_folder is the bound folder's spelling.
const std::string& sameFolderCondition();

}  // namespace foalix::history
