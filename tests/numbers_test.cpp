// Stored numbers through hexadecimal text, and the errors of the conversion.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "savedata/numbers.h"
#include "savedata/run_time_error.h"

namespace foalix::savedata {
namespace {

// The error number a call raises, or nothing when it returns.
template <typename F>
std::optional<int> errorOf(F&& call) {
    try {
        call();
    } catch (const RunTimeError& e) {
        return e.number();
    }
    return std::nullopt;
}

TEST(GetWord, IsLittleEndianForEveryPair) {
    for (int b1 = 0; b1 < 256; ++b1) {
        for (int b0 = 0; b0 < 256; ++b0) {
            const Byte bytes[2] = {static_cast<Byte>(b0), static_cast<Byte>(b1)};
            ASSERT_EQ(Get_Word(bytes), b0 + 256 * b1) << b0 << " " << b1;
        }
    }
}

TEST(HexToDec, ConvertsOrRaises) {
    struct Case {
        std::string text;
        std::optional<std::int32_t> value;
        std::optional<int> error;
    };
    const std::vector<Case> cases{
        {"8fc", 2300, {}},
        {"8FC", 2300, {}},
        {"0", 0, {}},
        {"000", 0, {}},
        {"00FF", 255, {}},
        {"105", 261, {}},
        {"FFFF", 65535, {}},
        {"7fffffff", 2147483647, {}},
        {"0000000000000000000000007FFFFFFF", 2147483647, {}},
        {"80000000", {}, 6},
        {"100000000", {}, 6},
        {"", {}, 6},
        {std::string(256, '0'), {}, 6},
        {std::string(254, '0') + "1", 1, {}},
        {std::string(255, '0') + "1", {}, 6},
        {std::string(255, '0') + "g", {}, 13},
        {"1g", {}, 13},
        {"g1", {}, 13},
        {" 1", {}, 13},
        {"-1", {}, 13},
        {"&H1", {}, 13},
        {"１", {}, 13},
    };
    for (const auto& c : cases) {
        std::int32_t value = -1;
        EXPECT_EQ(errorOf([&] { value = Hex_To_Dec(c.text); }), c.error) << c.text;
        if (c.value) {
            EXPECT_EQ(value, *c.value) << c.text;
        }
    }
}

TEST(HexToDec, ErrorCarriesNumberAndText) {
    try {
        Hex_To_Dec("1g");
        FAIL() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), 13);
        EXPECT_EQ(e.description(), "Type mismatch");
        EXPECT_STREQ(e.what(), "Run-time error '13': Type mismatch");
    }
}

TEST(CheckedMulAdd, ComputesFileOffsetsAndRaisesOverflow) {
    EXPECT_EQ(checkedMulAdd(65535, 10, 237606), 892956);
    EXPECT_EQ(checkedMulAdd(65535, 10, 1876), 657226);
    EXPECT_EQ(checkedMulAdd(0x1234, 10, 1876), 48476);
    EXPECT_EQ(errorOf([] { checkedMulAdd(214748365, 10, 0); }), 6);
    EXPECT_EQ(errorOf([] { checkedMulAdd(214748364, 10, 8); }), 6);
    EXPECT_EQ(errorOf([] { checkedMulAdd(214748364, 10, 7); }), std::nullopt);
}

}  // namespace
}  // namespace foalix::savedata
