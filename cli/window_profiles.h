// The score profiles and the save folder the Foalix window keeps, read by foalix-dump from the
// window's settings store (never written): on Linux the [Score] section's Profiles entry of
// $XDG_CONFIG_HOME/Foalix RK5.conf (by default ~/.config), on Windows the value Profiles of
// HKEY_CURRENT_USER\Software\Foalix RK5\Score. Either holds the profiles as savedata's
// profilesText, in base64.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "savedata/score.h"

namespace foalix::cli {

// The folder an XDG variable names (`variable`, "XDG_DATA_HOME"), or `underHome` in the home
// folder when it is unset or empty.
std::string xdgFolder(const char* variable, const char* underHome);

// The window's own profiles; none when it keeps none or its store cannot be read.
std::vector<savedata::ScoreProfile> windowProfiles();
// The save folder the window reads (the [Setting] section's RK5Path); empty when it keeps
// none.
std::string windowSaveFolder();

// The bytes `base64` encodes (RFC 4648, with or without its padding); what does not decode
// ends the bytes.
std::string fromBase64(std::string_view base64);

// The value of `key` in `section` of an INI file's text as Qt writes it: a quoted value's
// quotes taken off; none when it is not there.
std::string iniValue(std::string_view text, std::string_view section, std::string_view key);

}  // namespace foalix::cli
