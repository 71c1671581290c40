// The conditions a player types to choose foals: which foals each text lets through, and
// what a text that does not parse is told with.
#include <gtest/gtest.h>

#include "savedata/value_filter.h"

namespace foalix::savedata {
namespace {

HorseEntry foal(const char* name, const char* grade, const char* sp, const char* grass,
                const char* when, const char* age, const char* sex, const char* brian) {
    HorseEntry entry;
    entry.name = name;
    entry.Grade = grade;
    entry.SP = sp;
    entry.Grass = grass;
    entry.When = when;
    entry.Age = age;
    entry.Sex = sex;
    entry.Brian = brian;
    return entry;
}

// Each text against three foals: "1" for a foal it lets through, "0" for one it does not,
// or the error it gives. Grades and aptitudes compare on D C B A S, growth on 早 普 遲 晚,
// age on 1 2 -; keys and ASCII letters in any case; the window's captions as given.
TEST(ValueFilter, WhichFoalsATextLetsThrough) {
    const HorseEntry foals[] = {foal("ミドリ", "S", "A", "A", "遲", "1", "牝", "A"),
                                foal("Aozora", "B", "S", "C", "早", "2", "牡", "B"),
                                foal("Kaze", "A", "B", "A", "普", "-", "牝", "D")};
    const ValueFilter::Captions captions{{"スピード", fieldByKey("SP")}};
    const std::vector<std::pair<const char*, std::string>> cases{
        {"", "111"},
        {"SP>=A", "110"},
        {"Grade>B", "101"},
        {"sp<=b grass=a", "001"},
        {"ＳＰ<A", "001"},
        {"ＳＰ＞＝Ａ ｇｒａｓｓ＝ａ", "100"},  // typed in full width
        {"ＳＰ＞＞Ａ", "'ＳＰ＞＞Ａ': no comparison (use =, !=, <, <=, >, >=)"},
        {"賢>C 芝適!=C", "100"},
        {"When<遲", "011"},
        {"Age>=2", "011"},
        {"スピード>=S", "010"},
        {"Sex=牝 kaze", "001"},
        {"a O", "010"},
        {"  SP>=A\tGrass=A　Sex=牝 ", "100"},
        {"SP>>A", "'SP>>A': no comparison (use =, !=, <, <=, >, >=)"},
        {"Spd>=A",
         "'Spd>=A': no field 'Spd'; fields are Grade, SP, ST, Age, Strong, Win, When, Burst, "
         "Grass, Mud, Sex, Mind, Temper, Brian"},
        {"Grass=A When=A", "'When=A': 'A' is no value of When; its values are 早, 普, 遲, 晚"},
        {"SP=", "'SP=': no value for SP; its values are D, C, B, A, S"},
    };
    for (const auto& [text, expected] : cases) {
        const auto filter = ValueFilter::parse(text, captions);
        std::string result;
        if (const auto* error = std::get_if<FilterError>(&filter)) {
            result = englishText(*error);
        } else {
            for (const HorseEntry& entry : foals) {
                result += std::get<ValueFilter>(filter).matches(entry) ? "1" : "0";
            }
        }
        EXPECT_EQ(result, expected) << text;
    }
}

}  // namespace
}  // namespace foalix::savedata
