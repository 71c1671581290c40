// A slot file on disk, opened read-only. Failures raise RunTimeError with the number
// and text of the platform's file errors (53 File not found, 76 Path not found,
// 75 Path/File access error, 57 Device I/O error, ...).
#pragma once

#include <string>
#include <utility>

#include "savedata/slot_source.h"

namespace foalix::savedata {

class SlotFile : public SlotSource {
  public:
    explicit SlotFile(std::string path) : path_(std::move(path)) {}

    bool exists() const override;
    std::optional<SlotContents> read() const override;

  private:
    std::string path_;
};

}  // namespace foalix::savedata
