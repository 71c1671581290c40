#include "savedata/names.h"

#include <array>

#include "savedata/utf8.h"

namespace foalix::savedata {
namespace {

struct ChoiceKey {
    NameEncodingChoice choice;
    std::string_view key;
};
constexpr std::array<ChoiceKey, 3> kChoiceKeys{{{NameEncodingChoice::Automatic, "auto"},
                                                {NameEncodingChoice::ShiftJis, "shift-jis"},
                                                {NameEncodingChoice::Big5, "big5"}}};

// Calls `visit` with every pair of the name, up to the terminating 00 00.
template <typename Visit>
void forEachPair(NameField field, Visit&& visit) {
    for (std::size_t k = 0; k < field.size(); k += 2) {
        if (field[k] == 0 && field[k + 1] == 0) {
            break;
        }
        visit(field[k], field[k + 1]);
    }
}

bool fits(NameEncoding encoding, const std::vector<NameField>& names) {
    for (const NameField& name : names) {
        bool ok = true;
        forEachPair(name, [&](Byte first, Byte second) {
            if (first < 0x80) {
                return;
            }
            const char16_t character = firstCharacterOfPair(encoding, first, second);
            const bool privateUse = character >= 0xE000 && character <= 0xF8FF;
            ok = ok && isDoubleByteCharacter(encoding, first, second) && !privateUse;
        });
        if (!ok) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string Get_Name(NameField field, NameEncoding encoding) {
    std::string name;
    forEachPair(field, [&](Byte first, Byte second) {
        appendUtf8(name, firstCharacterOfPair(encoding, first, second));
    });
    return name;
}

NameEncoding detectNameEncoding(const std::vector<NameField>& names) {
    const bool big5Only = fits(NameEncoding::Big5, names) && !fits(NameEncoding::ShiftJis, names);
    return big5Only ? NameEncoding::Big5 : NameEncoding::ShiftJis;
}

std::string_view choiceKey(NameEncodingChoice choice) {
    for (const ChoiceKey& entry : kChoiceKeys) {
        if (entry.choice == choice) {
            return entry.key;
        }
    }
    return kChoiceKeys[0].key;
}

std::optional<NameEncodingChoice> choiceFromKey(std::string_view key) {
    for (const ChoiceKey& entry : kChoiceKeys) {
        if (entry.key == key) {
            return entry.choice;
        }
    }
    return std::nullopt;
}

std::string_view encodingName(NameEncoding encoding) {
    return encoding == NameEncoding::Big5 ? "Big5" : "Shift-JIS";
}

}  // namespace foalix::savedata
