#include "savedata/value_filter.h"

#include "savedata/note_tags.h"

#include <algorithm>
#include <charconv>

#include "savedata/utf8.h"

namespace foalix::savedata {

namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";
constexpr std::string_view kComparisonCharacters = "=!<>";

// ASCII letters in lower case; every other byte, UTF-8's included, as it is.
char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, lowerAscii, lowerAscii);
}

// `caption` without the blanks and ideographic spaces that pad it to the window's width.
std::string_view trimmedCaption(std::string_view caption) {
    while (true) {
        if (caption.ends_with(' ')) {
            caption.remove_suffix(1);
        } else if (caption.ends_with(kIdeographicSpace)) {
            caption.remove_suffix(kIdeographicSpace.size());
        } else {
            return caption;
        }
    }
}

// `word` with its full-width ASCII (U+FF01 to U+FF5E, what a Japanese input method types
// for "ＳＰ＞＝Ａ") as ASCII; every other character as it is.
std::string narrowed(std::string_view word) {
    constexpr char32_t kFirstWide = 0xFF01;
    constexpr char32_t kLastWide = 0xFF5E;
    constexpr char32_t kWideToAscii = 0xFEE0;
    std::string narrow;
    for (const char32_t c : decodeUtf8(word)) {
        appendUtf8(narrow, c >= kFirstWide && c <= kLastWide ? c - kWideToAscii : c);
    }
    return narrow;
}

// How many bytes of space start at `at`: a blank or tab, an ideographic space, or none.
std::size_t spaceAt(std::string_view text, std::size_t at) {
    if (text[at] == ' ' || text[at] == '\t') {
        return 1;
    }
    return text.substr(at).starts_with(kIdeographicSpace) ? kIdeographicSpace.size() : 0;
}

// The words of `text`, apart by spaces.
std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t space = at == text.size() ? 1 : spaceAt(text, at);
        if (space == 0) {
            ++at;
            continue;
        }
        if (at > start) {
            words.push_back(text.substr(start, at - start));
        }
        at += space;
        start = at;
    }
    return words;
}

// The value of `scale` that `text` is, ASCII letters in any case; empty when none is.
std::string_view valueOn(const Scale& scale, std::string_view text) {
    const auto found = std::ranges::find_if(scale.values, [text](std::string_view value) {
        return sameIgnoringAsciiCase(value, text);
    });
    return found == scale.values.end() ? std::string_view{} : *found;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

}  // namespace

const HorseField* fieldNamed(std::string_view name, const ValueFilter::Captions& captions) {
    if (name.empty()) {
        return nullptr;
    }
    for (const HorseField& field : kHorseFields) {
        if (sameIgnoringAsciiCase(name, field.key) ||
            sameIgnoringAsciiCase(name, trimmedCaption(field.caption))) {
            return &field;
        }
    }
    for (const auto& [caption, field] : captions) {
        if (sameIgnoringAsciiCase(name, trimmedCaption(caption))) {
            return field;
        }
    }
    return nullptr;
}

std::string englishText(const FilterError& error) {
    const std::string condition = "'" + error.condition + "': ";
    const std::string field = error.field != nullptr ? error.field->key : "score";
    switch (error.kind) {
        case FilterErrorKind::NoComparison:
            return condition + "no comparison (use " + joined(error.choices) + ")";
        case FilterErrorKind::NoField:
            return condition + "no field '" + error.name + "'; fields are " + joined(error.choices);
        case FilterErrorKind::NoValue:
            return condition + "'" + error.value + "' is no value of " + field +
                   "; its values are " + joined(error.choices);
        case FilterErrorKind::MissingValue:
            return condition + "no value for " + field + "; its values are " +
                   joined(error.choices);
    }
    return condition;
}

std::variant<ValueFilter, FilterError> ValueFilter::parse(
    std::string_view text, const Captions& captions, const std::vector<std::string>& scoreNames) {
    static constexpr std::pair<std::string_view, Comparison> kComparisons[] = {
        {"=", Comparison::Equal},   {"!=", Comparison::NotEqual},
        {"<", Comparison::Less},    {"<=", Comparison::LessOrEqual},
        {">", Comparison::Greater}, {">=", Comparison::GreaterOrEqual}};
    ValueFilter filter;
    for (const std::string_view typed : wordsOf(text)) {
        // A condition typed in full width reads as in ASCII; a name word stays as typed.
        const std::string narrow = narrowed(typed);
        const std::string_view word = narrow;
        const std::size_t at = word.find_first_of(kComparisonCharacters);
        if (at == std::string_view::npos) {
            if (sameIgnoringAsciiCase(word, "new") || word == "新") {
                filter.onlyNew_ = true;
            } else if (sameIgnoringAsciiCase(word, "starred") || word == "★") {
                filter.onlyStarred_ = true;
            } else if (word.size() > 1 && word.front() == '#') {
                filter.tags_.emplace_back(word.substr(1));
            } else {
                filter.nameWords_.emplace_back(typed);
            }
            continue;
        }
        const std::size_t past =
            std::min(word.find_first_not_of(kComparisonCharacters, at), word.size());
        FilterError error{FilterErrorKind::NoComparison, std::string(typed),
                          std::string(word.substr(0, at)), std::string(word.substr(past))};
        const auto* comparison = std::ranges::find(kComparisons, word.substr(at, past - at),
                                                   &std::pair<std::string_view, Comparison>::first);
        if (comparison == std::end(kComparisons)) {
            for (const auto& [typed, meaning] : kComparisons) {
                error.choices.emplace_back(typed);
            }
            return error;
        }
        const bool score = sameIgnoringAsciiCase(error.name, "score") ||
                           std::ranges::any_of(scoreNames, [&](const std::string& name) {
                               return sameIgnoringAsciiCase(error.name, trimmedCaption(name));
                           });
        if (score) {
            int points = -1;
            const auto [past, failed] = std::from_chars(
                error.value.data(), error.value.data() + error.value.size(), points);
            if (failed != std::errc() || past != error.value.data() + error.value.size() ||
                points < 0 || points > 100) {
                error.kind =
                    error.value.empty() ? FilterErrorKind::MissingValue : FilterErrorKind::NoValue;
                error.choices = {"0 to 100"};
                error.score = true;
                return error;
            }
            filter.conditions_.push_back({nullptr, comparison->second, error.value, points});
            continue;
        }
        const HorseField* field = fieldNamed(error.name, captions);
        if (field == nullptr) {
            error.kind = FilterErrorKind::NoField;
            for (const HorseField& each : kHorseFields) {
                error.choices.emplace_back(each.key);
            }
            return error;
        }
        const std::string_view value = valueOn(field->scale, error.value);
        if (value.empty()) {
            error.kind =
                error.value.empty() ? FilterErrorKind::MissingValue : FilterErrorKind::NoValue;
            error.field = field;
            error.choices.assign(field->scale.values.begin(), field->scale.values.end());
            return error;
        }
        filter.conditions_.push_back(
            {field, comparison->second, std::string(value), field->scale.rank(value)});
    }
    return filter;
}

bool ValueFilter::compares(Comparison comparison, int rank, int wanted) {
    switch (comparison) {
        case Comparison::Equal:
            return rank == wanted;
        case Comparison::NotEqual:
            return rank != wanted;
        case Comparison::Less:
            return rank < wanted;
        case Comparison::LessOrEqual:
            return rank <= wanted;
        case Comparison::Greater:
            return rank > wanted;
        case Comparison::GreaterOrEqual:
            break;
    }
    return rank >= wanted;
}

bool ValueFilter::holds(const Condition& condition, const std::string& value) {
    if (condition.comparison == Comparison::Equal) {
        return value == condition.value;
    }
    if (condition.comparison == Comparison::NotEqual) {
        return value != condition.value;
    }
    const int rank = condition.field->scale.rank(value);
    return rank != 0 && compares(condition.comparison, rank, condition.rank);
}

bool ValueFilter::needsScore() const {
    return std::ranges::any_of(conditions_,
                               [](const Condition& condition) { return !condition.field; });
}

bool ValueFilter::valuesMatch(const HorseEntry& entry, const FoalFacts& facts) const {
    if ((onlyNew_ && !facts.isNew) || (onlyStarred_ && !facts.starred)) {
        return false;
    }
    if (!std::ranges::all_of(tags_,
                             [&](const std::string& tag) { return hasTag(facts.note, tag); })) {
        return false;
    }
    return std::ranges::all_of(conditions_, [&](const Condition& condition) {
        if (condition.field == nullptr) {
            return facts.score.has_value() &&
                   compares(condition.comparison, *facts.score, condition.rank);
        }
        return holds(condition, entry.*condition.field->member);
    });
}

bool ValueFilter::matches(const HorseEntry& entry, const FoalFacts& facts) const {
    const auto holds = [](std::string_view text, const std::string& word) {
        return std::search(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
                   return lowerAscii(a) == lowerAscii(b);
               }) != text.end();
    };
    return valuesMatch(entry, facts) &&
           std::ranges::all_of(nameWords_, [&](const std::string& word) {
               return holds(entry.name, word) || holds(facts.note, word);
           });
}

}  // namespace foalix::savedata
