// Builds slot files from parts: roster records, link entries and ability entries at
// the offsets the game uses. Tests and the sample saves (which the load fuzzer changes)
// are made with it.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "savedata/code_page.h"
#include "savedata/format.h"

namespace foalix::slotgen {

using savedata::Byte;

class SlotImage {
  public:
    // A file just long enough for the roster, with all 40 records unused.
    SlotImage();

    // The code page that `record` and `foal` write names in; Shift-JIS unless set.
    SlotImage& names(savedata::NameEncoding encoding);
    // A used record named `name` (UTF-8, encoded to the names' code page).
    SlotImage& record(int r, int id, std::string_view name);
    // A used record with the name field's bytes as given (the rest of the field zero).
    SlotImage& recordRaw(int r, int id, std::span<const Byte> nameBytes);
    SlotImage& unused(int r);
    // The link entry of `id`: ability index and sex byte.
    SlotImage& link(int id, int abilityIndex, Byte sex);
    SlotImage& ability(int index, const std::array<Byte, savedata::kAbilityBytesRead>& bytes);
    // A complete foal: record r with `id`, linked to ability entry `abilityIndex`.
    SlotImage& foal(int r, int id, std::string_view name, int abilityIndex, Byte sex,
                    const std::array<Byte, savedata::kAbilityBytesRead>& bytes);

    // Raw bytes at an offset, growing the file as needed.
    SlotImage& put(std::int64_t offset, std::span<const Byte> bytes);
    SlotImage& resize(std::size_t size);

    const std::vector<Byte>& bytes() const { return bytes_; }
    void writeTo(const std::string& path) const;

  private:
    std::vector<Byte> bytes_;
    savedata::NameEncoding names_ = savedata::NameEncoding::ShiftJis;
};

struct DescriptionError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A slot from its description, one statement a line ('#' starts a comment):
//   foal R ID "NAME" INDEX SEX B0 B1 B2 B3 B4 B5 B6 B7
//   record R ID "NAME"          rawrecord R ID HH HH ...        unused R
//   link ID INDEX SEX           ability INDEX B0 ... B7          size BYTES
//   encoding shift-jis|big5     (the code page of the names that follow)
// Numbers are decimal; SEX and B0 to B7 are hexadecimal bytes.
SlotImage parseDescription(std::istream& in);

}  // namespace foalix::slotgen
