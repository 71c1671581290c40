// Times as each interface writes them: the Original keeps its fixed forms, the others
// their language's own, with the whole year, and to the second where two reads a minute
// apart must read apart.
#include <gtest/gtest.h>

#include <QDateTime>

#include "session/language.h"
#include "tests/qt_strings.h"

namespace foalix::testing {
namespace {

using session::Language;

TEST(Times, InEachInterfacesOwnWords) {
    const QDateTime at(QDate(2025, 1, 2), QTime(14, 5, 9));
    const struct {
        Language language;
        const char* clock;  // shortTime without the date
        const char* day;    // with it
        const char* read;   // longTime, as the History window lists a read
    } cases[] = {
        {Language::Original, "14:05", "2025-01-02 14:05", "2025-01-02 14:05:09"},
        {Language::English, "2:05 PM", "1/2/2025 2:05 PM", "1/2/2025 2:05:09 PM"},
        {Language::Japanese, "14:05", "2025/01/02 14:05", "2025/01/02 14:05:09"},
        {Language::TraditionalChinese, "下午2:05", "2025/1/2 下午2:05", "2025/1/2 下午2:05:09"},
    };
    for (const auto& c : cases) {
        session::installLanguage(c.language);
        EXPECT_EQ(session::shortTime(at, false), QString::fromUtf8(c.clock));
        EXPECT_EQ(session::shortTime(at, true), QString::fromUtf8(c.day));
        EXPECT_EQ(session::longTime(at), QString::fromUtf8(c.read));
    }
    session::installLanguage(Language::Original);
}

}  // namespace
}  // namespace foalix::testing
