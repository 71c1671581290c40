#include "savedata/roster_loader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <span>
#include <utility>

#include "decode/decoders.h"
#include "savedata/names.h"
#include "savedata/numbers.h"

namespace foalix::savedata {

using namespace foalix::decode;

namespace {

using RosterBytes = std::array<Byte, kRosterStride * kRosterRecords>;

// Copies the slot's bytes from `offset` into `out` as far as the slot goes; the rest of
// `out` keeps its zero bytes.
void readAt(std::span<const Byte> slot, std::int64_t offset, std::span<Byte> out) {
    const auto rest = slot.subspan(std::min(static_cast<std::size_t>(offset), slot.size()));
    std::copy_n(rest.begin(), std::min(out.size(), rest.size()), out.begin());
}

}  // namespace

void Get_Ability(std::span<const Byte> slot, int r, std::int32_t rosterId, HorseTable& table) {
    LinkEntry link;
    AbilityBlock ability;

    const std::int32_t linkOffset = checkedMulAdd(rosterId, kLinkStride, kLinkOffset);
    readAt(slot, linkOffset, link.bytes);
    const std::int32_t abilityIndex = Get_Word(&link.bytes[LinkEntry::kAbilityIndex]);
    const std::int32_t abilityOffset = checkedMulAdd(abilityIndex, kAbilityStride, kAbilityOffset);
    readAt(slot, abilityOffset, ability.bytes);

    const auto& b = ability.bytes;
    HorseEntry& entry = table.row(r);
    entry.Grade = Get_Grade(b[0]);
    entry.SP = Get_SP(b[1]);
    entry.ST = Get_ST(b[2], b[1]);
    entry.Age = Get_Age(b[3]);
    entry.Strong = Get_Strong(b[3]);
    entry.When = Get_When(b[5]);
    entry.Win = Get_Win(b[5]);
    entry.Burst = Get_Burst(b[6]);
    entry.Mind = Get_Mind(b[6]);
    entry.Grass = Get_Grass(b[7]);
    entry.Mud = Get_Mud(b[7]);
    entry.Brian = Get_Brian(b[6], b[5]);
    entry.Temper = Get_Temper(b[7]);
    entry.Sex = Get_Sex(link.bytes[LinkEntry::kSexByte]);
}

bool Add_To_List(const HorseTable& table, int r, AgeBoxes ages) {
    const BoxValue governing = table.row(r).Age == "1" ? ages.one : ages.two;
    return governing == BoxValue::Ticked;
}

LoadResult Load_Horses(const SlotSource& slot, AgeBoxes ages, HorseTable& table,
                       NameEncodingChoice names) {
    LoadResult result;
    if (!slot.exists()) {
        result.status = LoadStatus::NotFound;
        return result;
    }
    std::optional<SlotContents> contents = slot.read();
    if (!contents) {
        result.status = LoadStatus::Damaged;
        return result;
    }
    result = decodeSlot(contents->bytes, ages, table, names);
    result.contents = std::move(*contents);
    return result;
}

LoadResult decodeSlot(std::span<const Byte> slot, AgeBoxes ages, HorseTable& table,
                      NameEncodingChoice names) {
    LoadResult result;
    // A slot that ends before the roster does cannot hold one; reading it would list
    // blank or invented foals.
    if (slot.size() < static_cast<std::size_t>(kRosterEnd)) {
        result.status = LoadStatus::Damaged;
        return result;
    }
    RosterBytes roster{};
    readAt(slot, kRosterOffset, roster);

    std::array<RosterRecord, kRosterRecords> records;
    static_assert(sizeof records == sizeof roster);
    std::memcpy(records.data(), roster.data(), roster.size());
    std::vector<NameField> usedNames;
    for (const RosterRecord& record : records) {
        if (Get_Word(record.id.data()) != EMPTY_ROSTER_ID) {
            usedNames.emplace_back(record.name);
        }
    }
    result.encoding = names == NameEncodingChoice::Big5       ? NameEncoding::Big5
                      : names == NameEncodingChoice::ShiftJis ? NameEncoding::ShiftJis
                                                              : detectNameEncoding(usedNames);

    // Fill a fresh table and hand it over only when the whole load succeeded, so a
    // failure never leaves rows of two loads mixed.
    HorseTable loaded;
    for (int r = 1; r <= kRosterRecords; ++r) {
        const RosterRecord& record = records[static_cast<std::size_t>(r - 1)];
        const std::int32_t id = Get_Word(record.id.data());
        if (id == EMPTY_ROSTER_ID) {
            continue;
        }
        loaded.row(r).name = Get_Name(record.name, result.encoding);
        Get_Ability(slot, r, id, loaded);
        result.usedRows.push_back(r);
        if (Add_To_List(loaded, r, ages)) {
            result.listedRows.push_back(r);
        }
    }
    table = std::move(loaded);
    result.status = LoadStatus::Loaded;
    result.total = totalText(result.listedRows.size());
    return result;
}

std::string totalText(std::size_t count) {
    return std::to_string(count) + "頭";
}

const char* statusMessage(LoadStatus status) {
    switch (status) {
        case LoadStatus::NotFound:
            return kSaveDataNotFound;
        case LoadStatus::Damaged:
            return kSaveDataDamaged;
        case LoadStatus::Loaded:
            break;
    }
    return nullptr;
}

}  // namespace foalix::savedata
