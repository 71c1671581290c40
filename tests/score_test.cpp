// Scores worked by hand from the definition, 100 × Σ(weight × place) / Σ weight, with each
// value's place on its own scale (D C B A S: B is ½; D C B A: B is ⅔; C B A: B is ½), and
// the weights as a player types them.
#include <gtest/gtest.h>

#include "savedata/score.h"

namespace foalix::savedata {
namespace {

// The ten graded values, in the order the profiles weigh them: 素質 ＳＰ ＳＴ 体力 根性
// 瞬發 芝適 沙適 精神 賢.
HorseEntry foal(const std::array<const char*, kScoredFields>& values) {
    HorseEntry entry;
    for (std::size_t i = 0; i < kScoredFields; ++i) {
        entry.*scoredFields().at(i)->member = values.at(i);
    }
    entry.Age = "1";
    return entry;
}

const HorseEntry kBest = foal({"S", "A", "A", "A", "A", "A", "A", "A", "A", "A"});
const HorseEntry kWorst = foal({"D", "D", "D", "D", "C", "C", "C", "C", "D", "D"});
// Places ½ ⅔ ⅓ 1 ½ 1 0 ½ 0 ⅓.
const HorseEntry kMixed = foal({"B", "B", "C", "A", "B", "A", "C", "B", "D", "C"});

TEST(Score, WorkedByHand) {
    const auto weights = [](const char* text) {
        return std::get<ScoreProfile>(parseWeights(text));
    };
    const auto builtIn = [](const char* name) { return *builtInProfile(name); };
    const struct {
        const char* what;
        ScoreProfile profile;
        const HorseEntry& entry;
        std::optional<int> score;
    } cases[] = {
        {"all best", builtIn("Balanced"), kBest, 100},
        {"all worst", builtIn("Balanced"), kWorst, 0},
        {"Balanced: 4.8333 / 10", builtIn("Balanced"), kMixed, 48},
        {"Turf sprinter: 7 / 13", builtIn("Turf sprinter"), kMixed, 54},
        {"Stayer: 6.1667 / 12", builtIn("Stayer"), kMixed, 51},
        {"Dirt runner: 6.6667 / 11", builtIn("Dirt runner"), kMixed, 61},
        {"Classic: 8.6667 / 17", builtIn("Classic"), kMixed, 51},
        {"typed: 3.6667 / 6", weights("SP=3,ST=2,Burst=1"), kMixed, 61},
        {"a half up: C on D C B A S is ¼, 12.5", weights("Grade=1,SP=1"),
         foal({"C", "D", "D", "D", "C", "C", "C", "C", "D", "D"}), 13},
        {"every weight 0", weights("SP=0"), kMixed, std::nullopt},
        {"nothing weighed", weights(""), kMixed, std::nullopt},
        {"a weighed value off its scale", weights("SP=1"),
         foal({"S", "S", "A", "A", "A", "A", "A", "A", "A", "A"}), std::nullopt},
        {"an unweighed value off its scale", weights("Grade=1"),
         foal({"S", "S", "A", "A", "A", "A", "A", "A", "A", "A"}), 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scoreOf(c.entry, c.profile), c.score) << c.what;
    }
    EXPECT_EQ(builtInProfiles().front().name, "Balanced");
}

// Typed weights: fields by key in any case or by caption, the window's too; what is wrong
// said in English, naming it.
TEST(Score, WeightsAsTyped) {
    const ValueFilter::Captions captions{{"スピード", fieldByKey("SP")}};
    const std::vector<std::pair<const char*, std::string>> cases{
        {"SP=3,st=2,Burst=1", "SP=3,ST=2,Burst=1"},
        {"ＳＰ=3,芝適=10", "SP=3,Grass=10"},
        {"ＳＰ=3,スピード=4", "'スピード=4': SP is weighed twice"},
        {"SP", "'SP': no weight; write SP=W, W a whole number from 0 to 10"},
        {"賢=0,Grade=1,", "Grade=1"},
        {"Spd=3",
         "'Spd=3': no graded field 'Spd'; the fields weighed are Grade, SP, ST, "
         "Strong, Win, Burst, Grass, Mud, Mind, Brian"},
        {"Age=2",
         "'Age=2': 'Age' is not graded; the fields weighed are Grade, SP, ST, "
         "Strong, Win, Burst, Grass, Mud, Mind, Brian"},
        {"SP=11", "'SP=11': the weight of SP is a whole number from 0 to 10"},
        {"SP=-1", "'SP=-1': the weight of SP is a whole number from 0 to 10"},
        {"SP=1.5", "'SP=1.5': the weight of SP is a whole number from 0 to 10"},
    };
    for (const auto& [text, expected] : cases) {
        const auto parsed = parseWeights(text, captions);
        const auto* error = std::get_if<std::string>(&parsed);
        EXPECT_EQ(error ? *error : weightsText(std::get<ScoreProfile>(parsed)), expected) << text;
    }
}

}  // namespace
}  // namespace foalix::savedata
