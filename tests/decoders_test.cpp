// The fourteen decoders against the bands, digit tables and counts they must meet.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "decode/decoders.h"

namespace foalix::decode {
namespace {

using OneByte = std::function<std::string(Byte)>;
using Counts = std::map<std::string, int>;

Counts countOverAllBytes(const OneByte& decoder) {
    Counts counts;
    for (int b = 0; b < 256; ++b) {
        ++counts[decoder(static_cast<Byte>(b))];
    }
    return counts;
}

struct CountCase {
    const char* name;
    OneByte decoder;
    Counts expected;
};

TEST(Decoders, EachGivesItsResultsInTheRightNumbersOverAllBytes) {
    const std::vector<CountCase> cases{
        {"Grade", Get_Grade, {{"D", 90}, {"C", 30}, {"B", 20}, {"A", 20}, {"S", 96}}},
        {"SP", Get_SP, {{"D", 132}, {"C", 28}, {"B", 32}, {"A", 64}}},
        {"When", Get_When, {{"早", 64}, {"普", 64}, {"遲", 64}, {"晚", 64}}},
        {"Burst", Get_Burst, {{"C", 160}, {"B", 32}, {"A", 64}}},
        {"Mind", Get_Mind, {{"D", 64}, {"C", 64}, {"B", 64}, {"A", 64}}},
        {"Grass", Get_Grass, {{"C", 128}, {"B", 64}, {"A", 64}}},
        {"Mud", Get_Mud, {{"C", 128}, {"B", 64}, {"A", 64}}},
        {"Age", Get_Age, {{"1", 8}, {"2", 8}, {"-", 240}}},
        {"Strong", Get_Strong, {{"D", 64}, {"C", 32}, {"B", 64}, {"A", 96}}},
        {"Win", Get_Win, {{"C", 128}, {"B", 64}, {"A", 64}}},
        {"Temper", Get_Temper, {{"激", 64}, {"荒", 64}, {"普", 64}, {"大", 64}}},
        {"Sex", Get_Sex, {{"牡", 128}, {"牝", 128}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(countOverAllBytes(c.decoder), c.expected) << c.name;
    }
}

TEST(Decoders, StaminaCountsOverAllPairs) {
    Counts counts;
    for (int b2 = 0; b2 < 256; ++b2) {
        for (int b1 = 0; b1 < 256; ++b1) {
            ++counts[Get_ST(static_cast<Byte>(b2), static_cast<Byte>(b1))];
        }
    }
    EXPECT_EQ(counts, (Counts{{"D", 33280}, {"C", 7680}, {"B", 8192}, {"A", 16384}}));
}

struct Edge {
    const char* name;
    OneByte decoder;
    std::vector<std::pair<int, std::string>> cases;
};

TEST(Decoders, BandEdges) {
    const std::vector<Edge> edges{
        {"Grade",
         Get_Grade,
         {{0, "D"},
          {44, "D"},
          {45, "C"},
          {59, "C"},
          {60, "B"},
          {69, "B"},
          {70, "A"},
          {79, "A"},
          {80, "S"},
          {127, "S"},
          {128, "D"},
          {172, "D"},
          {173, "C"},
          {208, "S"},
          {255, "S"}}},
        {"SP",
         Get_SP,
         {{0, "D"},
          {32, "D"},
          {33, "C"},
          {39, "C"},
          {40, "B"},
          {47, "B"},
          {48, "A"},
          {63, "A"},
          {64, "D"},
          {96, "D"},
          {97, "C"},
          {255, "A"}}},
        {"When",
         Get_When,
         {{0, "早"},
          {31, "早"},
          {32, "普"},
          {63, "普"},
          {64, "遲"},
          {95, "遲"},
          {96, "晚"},
          {127, "晚"},
          {128, "早"},
          {255, "晚"}}},
        {"Burst",
         Get_Burst,
         {{0, "C"}, {159, "C"}, {160, "B"}, {191, "B"}, {192, "A"}, {255, "A"}}},
        {"Mind",
         Get_Mind,
         {{0, "D"},
          {7, "D"},
          {8, "C"},
          {15, "C"},
          {16, "B"},
          {23, "B"},
          {24, "A"},
          {31, "A"},
          {32, "D"},
          {40, "C"},
          {255, "A"}}},
        {"Grass",
         Get_Grass,
         {{0, "C"}, {127, "C"}, {128, "B"}, {191, "B"}, {192, "A"}, {255, "A"}}},
        {"Mud",
         Get_Mud,
         {{0, "C"}, {31, "C"}, {32, "B"}, {47, "B"}, {48, "A"}, {63, "A"}, {64, "C"}, {255, "A"}}},
        {"Age",
         Get_Age,
         {{0, "-"}, {7, "-"}, {8, "1"}, {15, "1"}, {16, "2"}, {23, "2"}, {24, "-"}, {255, "-"}}},
    };
    for (const auto& edge : edges) {
        for (const auto& [input, expected] : edge.cases) {
            EXPECT_EQ(edge.decoder(static_cast<Byte>(input)), expected)
                << edge.name << "(" << input << ")";
        }
    }
}

TEST(Decoders, StaminaBoundaryLiftedBySpeedByte) {
    const std::vector<std::tuple<int, int, std::string>> cases{
        {0, 255, "D"},  {15, 255, "D"}, {16, 63, "D"}, {16, 64, "C"}, {48, 200, "C"},
        {240, 63, "D"}, {240, 64, "C"}, {17, 0, "C"},  {19, 0, "C"},  {20, 0, "B"},
        {23, 0, "B"},   {24, 0, "A"},   {31, 0, "A"},  {32, 0, "D"},  {255, 0, "A"}};
    for (const auto& [byte2, byte1, expected] : cases) {
        EXPECT_EQ(Get_ST(static_cast<Byte>(byte2), static_cast<Byte>(byte1)), expected)
            << byte2 << ", " << byte1;
    }
}

// The binding digit table: row d holds Strong, Win, Temper, Brian with byte 5 below
// 128, Brian with byte 5 from 128, and Sex.
TEST(Decoders, DigitTableHoldsForEveryByte) {
    const std::vector<std::vector<std::string>> table{
        {"D", "C", "激", "D", "D", "牡"}, {"D", "C", "荒", "C", "B", "牡"},
        {"C", "C", "普", "B", "B", "牡"}, {"B", "C", "大", "A", "A", "牡"},
        {"B", "C", "激", "D", "D", "牡"}, {"A", "C", "荒", "C", "B", "牡"},
        {"A", "C", "普", "B", "B", "牡"}, {"A", "C", "大", "A", "A", "牡"},
        {"D", "B", "激", "D", "D", "牝"}, {"D", "B", "荒", "C", "B", "牝"},
        {"C", "B", "普", "B", "B", "牝"}, {"B", "B", "大", "A", "A", "牝"},
        {"B", "A", "激", "D", "D", "牝"}, {"A", "A", "荒", "C", "B", "牝"},
        {"A", "A", "普", "B", "B", "牝"}, {"A", "A", "大", "A", "A", "牝"},
    };
    for (int b = 0; b < 256; ++b) {
        const auto& row = table[static_cast<std::size_t>(b % 16)];
        const auto byte = static_cast<Byte>(b);
        EXPECT_EQ(Get_Strong(byte), row[0]) << b;
        EXPECT_EQ(Get_Win(byte), row[1]) << b;
        EXPECT_EQ(Get_Temper(byte), row[2]) << b;
        EXPECT_EQ(Get_Sex(byte), row[5]) << b;
        for (int second = 0; second < 256; ++second) {
            EXPECT_EQ(Get_Brian(byte, static_cast<Byte>(second)), row[second < 128 ? 3 : 4])
                << b << ", " << second;
        }
    }
}

}  // namespace
}  // namespace foalix::decode
