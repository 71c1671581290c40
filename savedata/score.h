// A foal's score under a player's profile: how well its ten graded values suit what the
// player breeds for. A profile weighs each graded value 0 to 10; the score is
//
//   100 × Σ(weight × place) / Σ weight
//
// where a value's place is its position on its own scale from the worst (0) to the best
// (1): on D C B A S, B is 0.5; on C B A, B is 0.5; on D C B A, B is ⅔. It is shown rounded
// to a whole number (a half up); a profile whose weights are all 0 gives no score.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "savedata/horse_table.h"
#include "savedata/translatable.h"
#include "savedata/value_filter.h"

namespace foalix::savedata {

inline constexpr std::size_t kScoredFields = 10;
inline constexpr int kMostWeight = 10;

// The graded fields a profile weighs, in the order the window shows them: 素質 ＳＰ ＳＴ
// 体力 根性 瞬發 芝適 沙適 精神 賢.
const std::array<const HorseField*, kScoredFields>& scoredFields();

struct ScoreProfile {
    std::string name;
    // In scoredFields' order, each 0 to kMostWeight.
    std::array<int, kScoredFields> weights{};

    int weightOf(const HorseField& field) const;
    bool operator==(const ScoreProfile&) const = default;
};

// The place of `value` on `field`'s scale, 0 (the worst) to 1 (the best); none for a value
// off the scale.
std::optional<double> placeOf(const HorseField& field, std::string_view value);
// The score of `entry`, unrounded; none when every weight is 0 or a weighed value is off its
// scale.
std::optional<double> exactScore(const HorseEntry& entry, const ScoreProfile& profile);
// Rounded: what the windows and foalix-dump show.
std::optional<int> scoreOf(const HorseEntry& entry, const ScoreProfile& profile);

// The profiles every player has, Balanced (each weight 1, the default) first; their names
// are marked for the windows to show in the player's language.
const std::vector<ScoreProfile>& builtInProfiles();
inline constexpr const char* kBalanced = QT_TRANSLATE_NOOP("ScoreProfile", "Balanced");
// The built-in profile of `name`, or none.
const ScoreProfile* builtInProfile(std::string_view name);

// Weights as a player types them: "SP=3,ST=2,Burst=1", each field named by its key (any
// case) or a caption (`captions` adds the window's); a field not named weighs 0. The error,
// in English, names what is wrong: a field that is no field, or no graded one, one without
// a weight or weighed twice, a weight that is no whole number from 0 to 10.
std::variant<ScoreProfile, std::string> parseWeights(std::string_view text,
                                                     const ValueFilter::Captions& captions = {});
// The weights that are not 0, as parseWeights reads them: "SP=3,ST=2,Burst=1".
std::string weightsText(const ScoreProfile& profile);

// The player's own profiles as the window keeps them and foalix-dump reads them: a line
// each, the weights (as weightsText writes them), a tab, the name. A line that does not
// read is left out.
std::string profilesText(const std::vector<ScoreProfile>& profiles);
std::vector<ScoreProfile> profilesFromText(std::string_view text);

}  // namespace foalix::savedata
