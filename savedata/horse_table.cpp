#include "savedata/horse_table.h"

#include <algorithm>

#include "savedata/run_time_error.h"

namespace foalix::savedata {

namespace {
std::size_t rowIndex(int r) {
    if (r < 1 || r > kRosterRecords) {
        throw RunTimeError(error::kSubscriptOutOfRange);
    }
    return static_cast<std::size_t>(r - 1);
}
}  // namespace

int Scale::rank(std::string_view value) const {
    const auto found = std::find(values.begin(), values.end(), value);
    return found == values.end() ? 0 : static_cast<int>(found - values.begin()) + 1;
}

const HorseField* fieldByKey(std::string_view key) {
    const auto found = std::find_if(kHorseFields.begin(), kHorseFields.end(),
                                    [key](const HorseField& field) { return key == field.key; });
    return found == kHorseFields.end() ? nullptr : &*found;
}

int standoutRank(const HorseField& field, std::span<const HorseEntry* const> entries) {
    if (!field.scale.graded || entries.empty()) {
        return 0;
    }
    const auto [lowest, highest] =
        std::minmax_element(entries.begin(), entries.end(), [&](const auto* a, const auto* b) {
            return field.scale.rank(a->*field.member) < field.scale.rank(b->*field.member);
        });
    const int best = field.scale.rank((*highest)->*field.member);
    return best == field.scale.rank((*lowest)->*field.member) ? 0 : best;
}

const std::array<const HorseField*, 14>& fieldsInReadingOrder() {
    static const std::array<const HorseField*, 14> order = [] {
        std::array<const HorseField*, 14> fields{};
        std::transform(kHorseFields.begin(), kHorseFields.end(), fields.begin(),
                       [](const HorseField& field) { return &field; });
        std::sort(fields.begin(), fields.end(), [](const HorseField* a, const HorseField* b) {
            return std::pair(a->place.column, a->place.row) <
                   std::pair(b->place.column, b->place.row);
        });
        return fields;
    }();
    return order;
}

HorseEntry& HorseTable::row(int r) {
    return rows_[rowIndex(r)];
}

const HorseEntry& HorseTable::row(int r) const {
    return rows_[rowIndex(r)];
}

}  // namespace foalix::savedata
