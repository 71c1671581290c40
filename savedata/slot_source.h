// Where the loader's bytes come from. The program reads slot files; tests hand the
// loader bytes held in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "savedata/format.h"

namespace foalix::savedata {

// One read of a slot: every byte, and the file's modification time as the handle that
// read them saw it (seconds since 1970-01-01 UTC).
struct SlotContents {
    std::vector<Byte> bytes;
    std::int64_t modified = 0;
};

class SlotSource {
  public:
    virtual ~SlotSource() = default;
    // True when the slot is an ordinary file (not a folder, device, pipe, or a
    // hidden or system file). Never blocks; raises RunTimeError only for a path the
    // system refuses outright (one longer than it allows).
    virtual bool exists() const = 0;
    // The whole slot, read on one handle closed before this returns; a file that ends
    // early gives the bytes it had. Nothing, and no byte read, when the file's size
    // shows it is no save (slotFileSizeFits). Raises RunTimeError when opening or reading
    // fails, or 53 when what is open is no longer an ordinary file.
    virtual std::optional<SlotContents> read() const = 0;
};

}  // namespace foalix::savedata
