// Stored numbers through hexadecimal text, and the errors of the conversion.
#include <gtest/gtest.h>

#include <optional>

#include "savedata/numbers.h"
#include "savedata/run_time_error.h"
#include "tests/test_support.h"

namespace foalix::savedata {
namespace {

TEST(HexToDec, ConvertsOrRaises) {
    // Text, then the value or the error number (6 overflow, 13 type mismatch).
    const std::vector<std::tuple<std::string, std::int32_t, std::optional<int>>> cases{
        {"8fc", 2300, {}},
        {"FFFF", 65535, {}},
        {"7fffffff", 2147483647, {}},
        {"80000000", 0, 6},
        {"", 0, 6},
        {std::string(254, '0') + "1", 1, {}},
        {std::string(255, '0') + "1", 0, 6},  // 256 characters: every digit, then 6
        {std::string(255, '0') + "g", 0, 13},
        {"1g", 0, 13},
        {"g1", 0, 13},
        {"-1", 0, 13},
        {"１", 0, 13},
    };
    for (const auto& [text, value, error] : cases) {
        std::int32_t got = -1;
        EXPECT_EQ(testing::errorOf([&] { got = Hex_To_Dec(text); }), error) << text;
        if (!error) {
            EXPECT_EQ(got, value) << text;
        }
    }
    EXPECT_STREQ(RunTimeError(13).what(), "Run-time error '13': Type mismatch");
}

}  // namespace
}  // namespace foalix::savedata
