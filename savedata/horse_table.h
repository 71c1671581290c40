// The foals of the last load: one HorseEntry per roster record.
#pragma once

#include <array>
#include <string>

#include "savedata/format.h"

namespace foalix::savedata {

// One foal: its name and the fourteen decoded one-character texts.
struct HorseEntry {
    std::string name;
    std::string Grade;
    std::string SP;
    std::string ST;
    std::string Age;
    std::string Strong;
    std::string Win;
    std::string When;
    std::string Burst;
    std::string Grass;
    std::string Mud;
    std::string Sex;
    std::string Mind;
    std::string Temper;
    std::string Brian;

    bool operator==(const HorseEntry&) const = default;
};

// The fourteen decoded fields in display order, with the key scripts use and the
// caption the window shows beside the value.
struct HorseField {
    const char* key;
    const char* caption;
    std::string HorseEntry::*member;
};

inline constexpr std::array<HorseField, 14> kHorseFields{{
    {"Grade", "素質", &HorseEntry::Grade},
    {"SP", "ＳＰ", &HorseEntry::SP},
    {"ST", "ＳＴ", &HorseEntry::ST},
    {"Age", "年齡", &HorseEntry::Age},
    {"Strong", "体力", &HorseEntry::Strong},
    {"Win", "根性", &HorseEntry::Win},
    {"When", "成長", &HorseEntry::When},
    {"Burst", "瞬發", &HorseEntry::Burst},
    {"Grass", "芝適", &HorseEntry::Grass},
    {"Mud", "沙適", &HorseEntry::Mud},
    {"Sex", "性別", &HorseEntry::Sex},
    {"Mind", "精神", &HorseEntry::Mind},
    {"Temper", "氣性", &HorseEntry::Temper},
    {"Brian", "賢　", &HorseEntry::Brian},
}};

// Exactly 40 rows, numbered 1 to 40 like the roster records they come from.
class HorseTable {
  public:
    // Row r (1 to 40); any other number raises RunTimeError 9.
    HorseEntry& row(int r);
    const HorseEntry& row(int r) const;

    bool operator==(const HorseTable&) const = default;

  private:
    std::array<HorseEntry, kRosterRecords> rows_{};
};

}  // namespace foalix::savedata
