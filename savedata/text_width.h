// How many terminal columns UTF-8 text takes: East Asian wide and full-width
// characters take two, everything else one. Control characters are escaped before they
// reach a table, so they are not measured apart.
#pragma once

#include <string>
#include <string_view>

namespace foalix::savedata {

std::size_t displayWidth(std::string_view utf8);

// `text` followed by blanks up to `width` columns.
std::string padRight(std::string_view text, std::size_t width);

}  // namespace foalix::savedata
