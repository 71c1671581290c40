// Horse names as the roster stores them: up to 42 two-byte characters, in Shift-JIS or
// (the Chinese edition) Big5.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "savedata/code_page.h"
#include "savedata/format.h"

namespace foalix::savedata {

using NameField = std::span<const Byte, kNameFieldBytes>;

// The name in an 84-byte name field, as UTF-8. Every pair at an even offset is one
// character (the first character it converts to); the name ends before the first
// pair 00 00, or after 42 characters.
std::string Get_Name(NameField field, NameEncoding encoding);

// The encoding in which a roster's names are double-byte text: the one in which every
// pair of every name that starts with a byte above 7F is a double-byte character, not
// private-use and not U+FFFD. Pairs that start with an ASCII byte read alike in both and
// decide nothing. When both or neither fit, Shift-JIS.
NameEncoding detectNameEncoding(const std::vector<NameField>& names);

// How the encoding of names is chosen: detected per roster, or fixed.
enum class NameEncodingChoice { Automatic, ShiftJis, Big5 };

// The choice's name on the command line and in the settings store: "auto", "shift-jis"
// or "big5".
std::string_view choiceKey(NameEncodingChoice choice);
// The choice a name stands for; nothing for any other text.
std::optional<NameEncodingChoice> choiceFromKey(std::string_view key);
// "Shift-JIS" or "Big5".
std::string_view encodingName(NameEncoding encoding);

}  // namespace foalix::savedata
