// Which foals to list by their values: a text of conditions a player types, such as
// "SP>=A Grass=A ミド", parsed once and then tested against each foal.
//
// The text is words apart by spaces (ASCII blanks, tabs or the ideographic space), all of
// which must hold. A word with a comparison in it is a condition FIELD OP VALUE:
//   FIELD  a field's key, any case ("SP", "sp"), one of its original captions ("ＳＰ",
//          "賢"), or a caption the caller passes (the window's, in the player's language);
//          a caption's trailing blanks and ideographic spaces are left out
//   OP     = or != (the very value or any other), < <= > >= (by the place on the field's
//          scale: "SP>=A" is A or S, "When<遲" is 早 or 普, "Age>1" is 2 or -)
//   VALUE  one of the field's values ("A", "牝", "1"); ASCII letters in any case
// A condition may be typed in full width, as a Japanese input method gives it: "ＳＰ＞＝Ａ"
// reads as "SP>=A".
// FIELD may also be "score" (any case, or a name the caller passes: the window's caption):
// the foal's score under the profile in use, a whole number 0 to 100 ("score>=70"); a foal
// without a score passes no score condition.
// The words "new" (or 新), the foals new since the slot's previous read, and "starred" (or
// ★), the foals the player starred, any case.
// A word "#tag" (a full-width ＃ too) lists the foals whose note holds that tag (see
// note_tags.h).
// Any other word is name text: the foal's name or its note holds it, ASCII letters in any
// case.
// A text that does not parse filters nothing: parse gives the error instead, for the
// caller to show while it keeps every row.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "savedata/horse_table.h"

namespace foalix::savedata {

enum class FilterErrorKind {
    NoComparison,  // the comparison is none of = != < <= > >= ("SP>>A", "SP!A")
    NoField,       // FIELD is no field's key or caption ("Spd>=A", "=A")
    NoValue,       // VALUE is not on the field's scale ("SP=Q"), or no score ("score>=x")
    MissingValue,  // nothing follows the comparison ("SP=")
};

// What is wrong with which condition, in parts, so a window can put them in a translated
// sentence; englishText gives foalix-dump's.
struct FilterError {
    FilterErrorKind kind;
    std::string condition;  // the word as typed
    std::string name;       // its FIELD as typed
    std::string value;      // its VALUE as typed
    // The field named (NoValue, MissingValue); otherwise none.
    const HorseField* field = nullptr;
    // What would do: the comparisons (NoComparison), every field's key (NoField), or the
    // field's values lowest first (NoValue, MissingValue).
    std::vector<std::string> choices = {};
    // About a score: its values are the whole numbers 0 to 100.
    bool score = false;
};

// The error in English, the condition first:
//   'SP>>A': no comparison (use =, !=, <, <=, >, >=)
//   'Spd>=A': no field 'Spd'; fields are Grade, SP, ST, …
//   'SP=Q': 'Q' is no value of SP; its values are D, C, B, A, S
//   'SP=': no value for SP; its values are D, C, B, A, S
std::string englishText(const FilterError& error);

// What a filter knows of a foal besides its values: its score under the profile in use (none
// without one), whether it is new since the slot's previous read, whether it is starred, the
// player's note on it.
struct FoalFacts {
    std::optional<int> score;
    bool isNew = false;
    bool starred = false;
    std::string_view note;
};

class ValueFilter {
  public:
    // Extra names of fields, such as the window's captions in the player's language.
    using Captions = std::vector<std::pair<std::string, const HorseField*>>;

    // A filter that every foal passes.
    ValueFilter() = default;

    // The filter `text` describes, or what is wrong with its first bad condition.
    static std::variant<ValueFilter, FilterError> parse(
        std::string_view text, const Captions& captions = {},
        const std::vector<std::string>& scoreNames = {});

    // True when every condition holds for `entry` and its name or note holds every name word.
    // A text not on its field's scale (no decoder gives one) passes != conditions only.
    bool matches(const HorseEntry& entry, const FoalFacts& facts = {}) const;
    // The conditions alone, and the name words, for a caller that matches names its own
    // way (the window: case blind for every script, full-width letters too).
    bool valuesMatch(const HorseEntry& entry, const FoalFacts& facts = {}) const;
    const std::vector<std::string>& nameWords() const { return nameWords_; }
    // Whether a condition is on the score, or the word new is there: the caller then gives
    // each foal's score, or whether it is new.
    bool needsScore() const;
    bool needsNew() const { return onlyNew_; }

  private:
    enum class Comparison { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };
    struct Condition {
        const HorseField* field;  // none: the score, whose value is `rank`
        Comparison comparison;
        std::string value;
        int rank;
    };

    static bool holds(const Condition& condition, const std::string& value);
    static bool compares(Comparison comparison, int rank, int wanted);

    std::vector<Condition> conditions_;
    std::vector<std::string> nameWords_;
    std::vector<std::string> tags_;
    bool onlyNew_ = false;
    bool onlyStarred_ = false;
};

// The field `name` names: a key in any case, then an original caption, then one of
// `captions` (blanks and ideographic spaces that pad a caption left out); none for another.
const HorseField* fieldNamed(std::string_view name, const ValueFilter::Captions& captions);

}  // namespace foalix::savedata
