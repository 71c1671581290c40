#include "history/notice.h"

#include "history/sqlite.h"

namespace foalix::history {

std::string Notice::text() const {
    if (empty()) {
        return {};
    }
    const auto filled = [](std::string text, const std::string& argument) {
        const auto at = text.find("%1");
        return at == std::string::npos ? text : text.replace(at, 2, argument);
    };
    return filled(sentence, reason != nullptr ? filled(reason, detail) : detail);
}

Notice failure(const char* sentence, const SqliteError& error) {
    if (error.busy()) {
        return {sentence, kInUse, {}};
    }
    if (error.full()) {
        return {sentence, QT_TRANSLATE_NOOP("History", "the disk is full"), {}};
    }
    if (error.unwritable()) {
        return {sentence, QT_TRANSLATE_NOOP("History", "it cannot be written"), {}};
    }
    return {sentence, nullptr, error.what()};
}

}  // namespace foalix::history
