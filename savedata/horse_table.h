// The foals of the last load: one HorseEntry per roster record.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "savedata/format.h"
#include "savedata/translatable.h"

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

// The values a field takes, lowest first, as its decoder gives them. A graded field's last
// value is its best (S for the grade, A for the others); the others (age, growth, sex,
// temper) only differ.
struct Scale {
    std::span<const std::string_view> values;
    bool graded;

    // The place of `value` on the scale, from 1 (lowest); 0 for a text not on it.
    int rank(std::string_view value) const;
};

inline constexpr std::string_view kGradeValues[] = {"D", "C", "B", "A", "S"};
inline constexpr std::string_view kFourGradeValues[] = {"D", "C", "B", "A"};
inline constexpr std::string_view kThreeGradeValues[] = {"C", "B", "A"};
inline constexpr std::string_view kAgeValues[] = {"1", "2", "-"};  // "-": any other age, older
inline constexpr std::string_view kGrowthValues[] = {"早", "普", "遲", "晚"};
inline constexpr std::string_view kSexValues[] = {"牡", "牝"};
inline constexpr std::string_view kTemperValues[] = {"激", "荒", "普", "大"};

inline constexpr Scale kGradeScale{kGradeValues, true};
inline constexpr Scale kFourGradeScale{kFourGradeValues, true};
inline constexpr Scale kThreeGradeScale{kThreeGradeValues, true};
inline constexpr Scale kAgeScale{kAgeValues, false};
inline constexpr Scale kGrowthScale{kGrowthValues, false};
inline constexpr Scale kSexScale{kSexValues, false};
inline constexpr Scale kTemperScale{kTemperValues, false};

// Where a field's box stands in the main window's grid of values: its column (0 left,
// 1 right), its row from the top (0 to 6), and its place in the window's tab order.
struct GridPlace {
    int column;
    int row;
    int tab;
};

// One of the fourteen decoded fields: the key scripts use (foalix-dump's, the CSV header),
// the caption the window shows beside the value and what the value measures on which
// scale (both in the player's language; foalix-dump writes the caption as it stands),
// where the value is kept, its scale, and its place in the window. Everything that
// lists, sorts, compares or shows fields derives from this one table.
struct HorseField {
    const char* key;
    const char* caption;
    const char* meaning;
    std::string HorseEntry::*member;
    Scale scale;
    GridPlace place;
};

// In the order foalix-dump, the CSV and the comparison list them.
inline constexpr std::array<HorseField, 14> kHorseFields{{
    {"Grade",
     QT_TRANSLATE_NOOP("HorseField", "素質"),
     QT_TRANSLATE_NOOP("HorseField", "Grade, the foal's quality — S A B C D, S best"),
     &HorseEntry::Grade,
     kGradeScale,
     {0, 1, 8}},
    {"SP",
     QT_TRANSLATE_NOOP("HorseField", "ＳＰ"),
     QT_TRANSLATE_NOOP("HorseField", "Speed — A B C D, A best"),
     &HorseEntry::SP,
     kFourGradeScale,
     {0, 2, 9}},
    {"ST",
     QT_TRANSLATE_NOOP("HorseField", "ＳＴ"),
     QT_TRANSLATE_NOOP("HorseField", "Stamina — A B C D, A best"),
     &HorseEntry::ST,
     kFourGradeScale,
     {0, 3, 10}},
    {"Age",
     QT_TRANSLATE_NOOP("HorseField", "年齡"),
     QT_TRANSLATE_NOOP("HorseField", "Age in years — 1, 2, or - for any other age"),
     &HorseEntry::Age,
     kAgeScale,
     {0, 0, 7}},
    {"Strong",
     QT_TRANSLATE_NOOP("HorseField", "体力"),
     QT_TRANSLATE_NOOP("HorseField", "Strength — A B C D, A best"),
     &HorseEntry::Strong,
     kFourGradeScale,
     {0, 5, 11}},
    {"Win",
     QT_TRANSLATE_NOOP("HorseField", "根性"),
     QT_TRANSLATE_NOOP("HorseField", "Guts — A B C, A best"),
     &HorseEntry::Win,
     kThreeGradeScale,
     {0, 4, 12}},
    {"When",
     QT_TRANSLATE_NOOP("HorseField", "成長"),
     QT_TRANSLATE_NOOP(
         "HorseField",
         "Growth, when the foal matures — 早 early, 普 normal, 遲 late, 晚 very late"),
     &HorseEntry::When,
     kGrowthScale,
     {1, 1, 13}},
    {"Burst",
     QT_TRANSLATE_NOOP("HorseField", "瞬發"),
     QT_TRANSLATE_NOOP("HorseField", "Burst, the final spurt — A B C, A best"),
     &HorseEntry::Burst,
     kThreeGradeScale,
     {1, 4, 16}},
    {"Grass",
     QT_TRANSLATE_NOOP("HorseField", "芝適"),
     QT_TRANSLATE_NOOP("HorseField", "Turf aptitude — A B C, A best"),
     &HorseEntry::Grass,
     kThreeGradeScale,
     {1, 2, 14}},
    {"Mud",
     QT_TRANSLATE_NOOP("HorseField", "沙適"),
     QT_TRANSLATE_NOOP("HorseField", "Dirt aptitude — A B C, A best"),
     &HorseEntry::Mud,
     kThreeGradeScale,
     {1, 3, 15}},
    {"Sex",
     QT_TRANSLATE_NOOP("HorseField", "性別"),
     QT_TRANSLATE_NOOP("HorseField", "Sex — 牡 colt, 牝 filly"),
     &HorseEntry::Sex,
     kSexScale,
     {1, 0, 34}},
    {"Mind",
     QT_TRANSLATE_NOOP("HorseField", "精神"),
     QT_TRANSLATE_NOOP("HorseField", "Spirit — A B C D, A best"),
     &HorseEntry::Mind,
     kFourGradeScale,
     {0, 6, 38}},
    {"Temper",
     QT_TRANSLATE_NOOP("HorseField", "氣性"),
     QT_TRANSLATE_NOOP("HorseField", "Temper — 激 fierce, 荒 rough, 普 even, 大 calm"),
     &HorseEntry::Temper,
     kTemperScale,
     {1, 5, 36}},
    {"Brian",
     QT_TRANSLATE_NOOP("HorseField", "賢　"),
     QT_TRANSLATE_NOOP("HorseField", "Wits — A B C D, A best"),
     &HorseEntry::Brian,
     kFourGradeScale,
     {1, 6, 39}},
}};

// The field whose key is `key`, or none.
const HorseField* fieldByKey(std::string_view key);

// The rank to mark as the best of `field` among `entries`: its highest, when the field
// is graded and the entries do not all share it (a mark on every row picks out none);
// 0 when there is nothing to mark.
int standoutRank(const HorseField& field, std::span<const HorseEntry* const> entries);

// The fields in the window's reading order: its left column of boxes top to bottom, then
// its right column. The roster table's columns stand in this order.
const std::array<const HorseField*, 14>& fieldsInReadingOrder();

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
