// Names as the game stores them, for the slot files the tests and samples are made of:
// the reverse of the reader's conversion, from the same tables.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "savedata/code_page.h"

namespace foalix::slotgen {

// UTF-8 text in the code page, or nothing when a character has no encoding there or the
// text is not UTF-8. Each character takes a code that converts back to it (the lowest;
// any would read the same).
std::optional<std::string> encodeToCodePage(savedata::NameEncoding encoding, std::string_view utf8);

}  // namespace foalix::slotgen
