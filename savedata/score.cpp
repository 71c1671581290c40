#include "savedata/score.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace foalix::savedata {

const std::array<const HorseField*, kScoredFields>& scoredFields() {
    static const std::array<const HorseField*, kScoredFields> fields = [] {
        std::array<const HorseField*, kScoredFields> scored{};
        std::size_t next = 0;
        for (const char* key :
             {"Grade", "SP", "ST", "Strong", "Win", "Burst", "Grass", "Mud", "Mind", "Brian"}) {
            scored.at(next++) = fieldByKey(key);
        }
        return scored;
    }();
    return fields;
}

int ScoreProfile::weightOf(const HorseField& field) const {
    const auto& fields = scoredFields();
    const auto found = std::ranges::find(fields, &field);
    return found == fields.end() ? 0 : weights.at(static_cast<std::size_t>(found - fields.begin()));
}

std::optional<double> placeOf(const HorseField& field, std::string_view value) {
    const int rank = field.scale.rank(value);
    const auto steps = static_cast<int>(field.scale.values.size()) - 1;
    if (rank == 0 || steps <= 0) {
        return std::nullopt;
    }
    return static_cast<double>(rank - 1) / steps;
}

std::optional<double> exactScore(const HorseEntry& entry, const ScoreProfile& profile) {
    double weighed = 0;
    int weights = 0;
    for (std::size_t i = 0; i < kScoredFields; ++i) {
        const int weight = profile.weights.at(i);
        if (weight == 0) {
            continue;
        }
        const HorseField& field = *scoredFields().at(i);
        const auto place = placeOf(field, entry.*field.member);
        if (!place) {
            return std::nullopt;
        }
        weighed += weight * *place;
        weights += weight;
    }
    if (weights == 0) {
        return std::nullopt;
    }
    return 100 * weighed / weights;
}

std::optional<int> scoreOf(const HorseEntry& entry, const ScoreProfile& profile) {
    const auto exact = exactScore(entry, profile);
    // A half up: a score that is x.5 on paper may come out a hair below it in floating point.
    return exact ? std::optional<int>(static_cast<int>(std::floor(*exact + 0.5 + 1e-9)))
                 : std::nullopt;
}

namespace {

ScoreProfile profile(const char* name, std::initializer_list<std::pair<const char*, int>> weights,
                     int otherwise) {
    ScoreProfile made{name, {}};
    made.weights.fill(otherwise);
    for (const auto& [key, weight] : weights) {
        const auto& fields = scoredFields();
        const auto at = std::ranges::find(fields, fieldByKey(key)) - fields.begin();
        made.weights.at(static_cast<std::size_t>(at)) = weight;
    }
    return made;
}

}  // namespace

const std::vector<ScoreProfile>& builtInProfiles() {
    static const std::vector<ScoreProfile> profiles{
        profile(kBalanced, {}, 1),
        // Short races on turf: speed, the final spurt and the turf.
        profile(QT_TRANSLATE_NOOP("ScoreProfile", "Turf sprinter"),
                {{"Grade", 2}, {"SP", 3}, {"Burst", 3}, {"Grass", 3}, {"Strong", 1}, {"Mind", 1}},
                0),
        // Long races: stamina and guts, carried by strength.
        profile(QT_TRANSLATE_NOOP("ScoreProfile", "Stayer"),
                {{"Grade", 2}, {"ST", 3}, {"Win", 3}, {"Strong", 2}, {"SP", 1}, {"Mind", 1}}, 0),
        // The dirt: the dirt first, then speed and strength.
        profile(QT_TRANSLATE_NOOP("ScoreProfile", "Dirt runner"),
                {{"Grade", 2}, {"Mud", 3}, {"SP", 2}, {"Strong", 2}, {"Win", 1}, {"ST", 1}}, 0),
        // A horse for the big races: quality above all, nothing neglected.
        profile(QT_TRANSLATE_NOOP("ScoreProfile", "Classic"),
                {{"Grade", 4}, {"SP", 2}, {"ST", 2}, {"Burst", 2}, {"Brian", 2}}, 1),
    };
    return profiles;
}

const ScoreProfile* builtInProfile(std::string_view name) {
    const auto& profiles = builtInProfiles();
    const auto found = std::ranges::find(profiles, name, &ScoreProfile::name);
    return found == profiles.end() ? nullptr : &*found;
}

std::variant<ScoreProfile, std::string> parseWeights(std::string_view text,
                                                     const ValueFilter::Captions& captions) {
    ScoreProfile made;
    std::array<bool, kScoredFields> weighed{};
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string_view item = text.substr(start, end - start);
        start = end + 1;
        if (item.empty() && end == text.size()) {
            break;
        }
        const std::size_t equals = item.find('=');
        const std::string_view name = item.substr(0, equals);
        const HorseField* field = fieldNamed(name, captions);
        const auto& fields = scoredFields();
        const auto at = std::ranges::find(fields, field);
        // Built by appending: GCC 12 warns of overlapping copies in long chains of +.
        std::string error = "'";
        error.append(item).append("': ");
        if (field != nullptr && at != fields.end() && equals == std::string_view::npos) {
            return error.append("no weight; write ")
                .append((*at)->key)
                .append("=W, W a whole number from 0 to 10");
        }
        if (equals == std::string_view::npos || field == nullptr || at == fields.end()) {
            if (field != nullptr) {
                error.append("'").append(name).append("' is not graded");
            } else {
                error.append("no graded field '").append(name).append("'");
            }
            return error.append(
                "; the fields weighed are Grade, SP, ST, Strong, Win, Burst, Grass, Mud, Mind, "
                "Brian");
        }
        const std::string_view number = item.substr(equals + 1);
        int weight = -1;
        const auto [past, failed] =
            std::from_chars(number.data(), number.data() + number.size(), weight);
        if (failed != std::errc() || past != number.data() + number.size() || weight < 0 ||
            weight > kMostWeight) {
            return error.append("the weight of ")
                .append((*at)->key)
                .append(" is a whole number from 0 to 10");
        }
        const auto place = static_cast<std::size_t>(at - fields.begin());
        if (weighed.at(place)) {
            return error.append((*at)->key).append(" is weighed twice");
        }
        weighed.at(place) = true;
        made.weights.at(place) = weight;
    }
    return made;
}

std::string weightsText(const ScoreProfile& profile) {
    std::string text;
    for (std::size_t i = 0; i < kScoredFields; ++i) {
        if (profile.weights.at(i) != 0) {
            text.append(text.empty() ? "" : ",")
                .append(scoredFields().at(i)->key)
                .append("=")
                .append(std::to_string(profile.weights.at(i)));
        }
    }
    return text;
}

std::string profilesText(const std::vector<ScoreProfile>& profiles) {
    std::string text;
    for (const ScoreProfile& profile : profiles) {
        text += weightsText(profile) + "\t" + profile.name + "\n";
    }
    return text;
}

std::vector<ScoreProfile> profilesFromText(std::string_view text) {
    std::vector<ScoreProfile> profiles;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos || tab + 1 == line.size()) {
            continue;
        }
        auto parsed = parseWeights(line.substr(0, tab));
        if (auto* profile = std::get_if<ScoreProfile>(&parsed)) {
            profile->name = line.substr(tab + 1);
            profiles.push_back(std::move(*profile));
        }
    }
    return profiles;
}

}  // namespace foalix::savedata
