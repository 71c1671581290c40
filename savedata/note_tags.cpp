#include "savedata/note_tags.h"

#include <algorithm>

#include "savedata/utf8.h"

namespace foalix::savedata {

namespace {

bool endsTag(char32_t c) {
    if (c == '-' || c == '_') {
        return false;
    }
    if (c < 0x80) {
        return !((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
    }
    // The full-width space, the ideographic comma and full stop, the full-width and
    // half-width punctuation most written after a word in Japanese and Chinese.
    constexpr std::u32string_view kEnders =
        U"\u00A0\u3000、。，．！？：；（）「」『』【】・…\uFF5E";
    return kEnders.find(c) != std::u32string_view::npos;
}

std::string lowerLatin(std::string text) {
    std::ranges::transform(text, text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

}  // namespace

std::vector<std::string> tagsOf(std::string_view note) {
    std::vector<std::string> tags;
    const std::u32string text = decodeUtf8(note);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '#' && text[i] != U'＃') {
            continue;
        }
        std::string tag;
        std::size_t end = i + 1;
        for (; end < text.size() && text[end] != '#' && !endsTag(text[end]); ++end) {
            appendUtf8(tag, text[end]);
        }
        const bool seen = std::ranges::any_of(
            tags, [&](const std::string& kept) { return lowerLatin(kept) == lowerLatin(tag); });
        if (!tag.empty() && !seen) {
            tags.push_back(std::move(tag));
        }
        i = end - 1;
    }
    return tags;
}

bool hasTag(std::string_view note, std::string_view tag) {
    if (tag.starts_with('#')) {
        tag.remove_prefix(1);
    }
    const std::string wanted = lowerLatin(std::string(tag));
    return !wanted.empty() && std::ranges::any_of(tagsOf(note), [&](const std::string& kept) {
        return lowerLatin(kept) == wanted;
    });
}

}  // namespace foalix::savedata
