// A note's tags: the words a player writes `#like-this` in a foal's note. A tag runs from
// its # to the next space or punctuation other than - and _ (a full-width space and the
// ideographic comma and full stop end it too), so "#keep, #sire-line。" holds "keep" and
// "sire-line", in any script. Tags match without regard to the case of Latin letters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace foalix::savedata {

// The tags of `note`, without their #, in the order written, each once.
std::vector<std::string> tagsOf(std::string_view note);

// Whether `note` holds the tag `tag` (given with or without its #).
bool hasTag(std::string_view note, std::string_view tag);

}  // namespace foalix::savedata
