// The conditions a player types to choose foals: which foals each text lets through, and
// what a text that does not parse is told with.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "savedata/note_tags.h"
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
// or the error it gives. Values compare on their own scales (the grade on D C B A S, speed
// on D C B A, the aptitudes on C B A, growth on 早 普 遲 晚, age on 1 2 -); keys and ASCII
// letters in any case; the window's captions as given; the score and whether a foal is new
// or starred, and its note, as the caller knows them (the foals score 80, 50 and none; the
// second is new, the third starred; the first and the third have notes with tags).
TEST(ValueFilter, WhichFoalsATextLetsThrough) {
    const HorseEntry foals[] = {foal("ミドリ", "S", "A", "A", "遲", "1", "牝", "A"),
                                foal("Aozora", "B", "A", "C", "早", "2", "牡", "B"),
                                foal("Kaze", "A", "B", "A", "普", "-", "牝", "D")};
    const FoalFacts facts[] = {{80, false, false, "#keep sire line"},
                               {50, true, false, ""},
                               {std::nullopt, false, true, "#Keep #fast。turf"}};
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
        {"スピード=B", "001"},
        {"スピード>=S", "'スピード>=S': 'S' is no value of SP; its values are D, C, B, A"},
        {"score>=70", "100"},
        {"ＳＣＯＲＥ<=50 評分>=50", "010"},
        {"score!=80", "010"},  // a foal without a score passes no score condition
        {"score>=x", "'score>=x': 'x' is no value of score; its values are 0 to 100"},
        {"score>101", "'score>101': '101' is no value of score; its values are 0 to 100"},
        {"new", "010"},
        {"★ kaze", "001"},
        {"#keep", "101"},
        {"#KEEP #fast", "001"},
        {"＃keep SP>=A", "100"},
        {"#sire", "000"},  // a word of the note, not a tag
        {"sire", "100"},   // found in the note as in names
        {"TURF", "001"},
        {"NEW starred", "000"},
        {"Sex=牝 kaze", "001"},
        {"a O", "010"},
        {"  SP>=A\tGrass=A　Sex=牝 ", "100"},
        {"SP>>A", "'SP>>A': no comparison (use =, !=, <, <=, >, >=)"},
        {"Spd>=A",
         "'Spd>=A': no field 'Spd'; fields are Grade, SP, ST, Age, Strong, Win, When, Burst, "
         "Grass, Mud, Sex, Mind, Temper, Brian"},
        {"Grass=A When=A", "'When=A': 'A' is no value of When; its values are 早, 普, 遲, 晚"},
        {"SP=", "'SP=': no value for SP; its values are D, C, B, A"},
        {"Grass=S", "'Grass=S': 'S' is no value of Grass; its values are C, B, A"},
    };
    for (const auto& [text, expected] : cases) {
        const auto filter = ValueFilter::parse(text, captions, {"評分"});
        std::string result;
        if (const auto* error = std::get_if<FilterError>(&filter)) {
            result = englishText(*error);
        } else {
            for (std::size_t i = 0; i < std::size(foals); ++i) {
                result += std::get<ValueFilter>(filter).matches(foals[i], facts[i]) ? "1" : "0";
            }
        }
        EXPECT_EQ(result, expected) << text;
    }
}

// A note's tags: each #word once, as written, ended by spaces and punctuation of any script
// but - and _; found again in any case of Latin letters.
TEST(NoteTags, AreTheWordsWrittenWithAHash) {
    const std::vector<std::tuple<std::string, std::string, std::string, bool>> notes{
        {"#keep sire line", "keep", "#KEEP", true},
        {"Good #Keep, #sire-line。#KEEP #fast_start!", "Keep sire-line fast_start", "sire", false},
        {"＃逃げ馬　次走#芝", "逃げ馬 芝", "#芝", true},
        {"# alone, #, ##", "", "#", false},
        {"", "", "keep", false},
    };
    for (const auto& [note, tags, asked, held] : notes) {
        std::string listed;
        for (const std::string& tag : tagsOf(note)) {
            listed += (listed.empty() ? "" : " ") + tag;
        }
        EXPECT_EQ(listed, tags) << note;
        EXPECT_EQ(hasTag(note, asked), held) << note;
    }
}

}  // namespace
}  // namespace foalix::savedata
