// Horse names as the roster stores them: up to 42 two-byte characters.
#pragma once

#include <span>
#include <string>

#include "savedata/format.h"

namespace foalix::savedata {

// The name in an 84-byte name field, as UTF-8. Every pair at an even offset is one
// character (the first character it converts to); the name ends before the first
// pair 00 00, or after 42 characters.
std::string Get_Name(std::span<const Byte, kNameFieldBytes> field);

}  // namespace foalix::savedata
