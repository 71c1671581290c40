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
        {"7fffffff", 2147483647, {}},
        {"80000000", 0, 6},
        {std::string(255, '0') + "1", 0, 6},  // 256 characters: every digit, then 6
        {"1g", 0, 13},
    };
    for (const auto& [text, value, error] : cases) {
        std::int32_t got = -1;
        EXPECT_EQ(testing::errorOf([&] { got = Hex_To_Dec(text); }), error) << text;
        if (!error) {
            EXPECT_EQ(got, value) << text;
        }
    }
}

}  // namespace
}  // namespace foalix::savedata
