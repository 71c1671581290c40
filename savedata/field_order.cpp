#include "savedata/field_order.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

namespace foalix::savedata {
namespace {

// The texts of one kind of field, lowest first.
int placeIn(std::string_view text, std::initializer_list<std::string_view> order) {
    int place = 1;
    for (std::string_view value : order) {
        if (value == text) {
            return place;
        }
        ++place;
    }
    return 0;
}

}  // namespace

int meaningRank(std::string_view key, const std::string& text) {
    if (key == "row") {
        int number = 0;
        std::from_chars(text.data(), text.data() + text.size(), number);
        return number;
    }
    if (key == "name") {
        return 0;
    }
    if (key == "Age") {
        return placeIn(text, {"1", "2", "-"});  // "-" is any other age: older
    }
    if (key == "When") {
        return placeIn(text, {"早", "普", "遲", "晚"});
    }
    if (key == "Sex") {
        return placeIn(text, {"牡", "牝"});
    }
    if (key == "Temper") {
        return placeIn(text, {"激", "荒", "普", "大"});
    }
    return placeIn(text, {"D", "C", "B", "A", "S"});  // the graded fields
}

// Every field but those ranked by a scale of their own above.
bool isGraded(std::string_view key) {
    static constexpr std::string_view kOther[] = {"row", "name", "Age", "When", "Sex", "Temper"};
    return std::find(std::begin(kOther), std::end(kOther), key) == std::end(kOther);
}

}  // namespace foalix::savedata
