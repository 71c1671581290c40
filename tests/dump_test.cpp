// foalix-dump: its three output forms, its errors and its exit statuses.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/dump_command.h"
#include "cli/text_width.h"
#include "savedata/slot_path.h"
#include "tests/dump_runner.h"
#include "tests/test_support.h"

namespace foalix::cli {
namespace {

using testing::TempDir;

using testing::dump;
using testing::DumpRun;

class DumpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        slotgen::SlotImage image;
        image.foal(2, 11, "ミドリ", 1, 0x09, testing::kExampleOne)
            .foal(5, 12, "アオ", 2, 0xF7, testing::kExampleTwo)
            .recordRaw(6, 13, std::vector<savedata::Byte>{'A', ',', '"', 'x'})
            .link(13, 3, 0x00);
        file_ = dir_.writeSlot(3, image);
    }
    TempDir dir_;
    std::string file_;
};

TEST_F(DumpTest, JsonListsFoalsInListOrder) {
    const DumpRun run = dump({"--format", "json", dir_.str(), "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto doc = nlohmann::ordered_json::parse(run.out);
    EXPECT_EQ(doc["file"], file_);
    EXPECT_EQ(doc["total"], "3頭");
    std::vector<std::string> keys;
    for (const auto& [key, value] : doc.items()) {
        keys.push_back(key);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"file", "total", "foals"}));
    ASSERT_EQ(doc["foals"].size(), 3u);
    EXPECT_EQ(doc["foals"][0]["row"], 6);
    EXPECT_EQ(doc["foals"][0]["name"], "A\"");
    EXPECT_EQ(doc["foals"][1]["row"], 5);
    EXPECT_EQ(doc["foals"][2]["name"], "ミドリ");
    const nlohmann::ordered_json expected = {
        {"row", 2},     {"name", "ミドリ"}, {"Grade", "S"},   {"SP", "A"},
        {"ST", "A"},    {"Age", "1"},       {"Strong", "C"},  {"Win", "C"},
        {"When", "遲"}, {"Burst", "A"},     {"Grass", "A"},   {"Mud", "A"},
        {"Sex", "牝"},  {"Mind", "D"},      {"Temper", "荒"}, {"Brian", "A"}};
    EXPECT_EQ(doc["foals"][2], expected);
    EXPECT_EQ(doc["foals"][2].dump(), expected.dump());  // keys in this order
}

TEST_F(DumpTest, AgesChooseTheFoals) {
    const auto rowsFor = [&](const std::string& ages) {
        const auto doc =
            nlohmann::json::parse(dump({"--format", "json", "--ages", ages, "--file", file_}).out);
        std::vector<int> rows;
        for (const auto& foal : doc["foals"]) {
            rows.push_back(foal["row"]);
        }
        return std::make_pair(rows, doc["total"].get<std::string>());
    };
    EXPECT_EQ(rowsFor("1"), std::make_pair(std::vector<int>{2}, std::string("1頭")));
    EXPECT_EQ(rowsFor("2"), std::make_pair(std::vector<int>{6, 5}, std::string("2頭")));
    EXPECT_EQ(rowsFor("2,1"), std::make_pair(std::vector<int>{6, 5, 2}, std::string("3頭")));
}

TEST_F(DumpTest, CsvQuotesAndEndsWithTheTotal) {
    const DumpRun run = dump({"--format", "csv", "--file", file_});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "row,name,Grade,SP,ST,Age,Strong,Win,When,Burst,Grass,Mud,Sex,Mind,Temper,Brian\r\n"
              "6,\"A\"\"\",D,D,D,-,D,C,早,C,C,C,牡,D,激,D\r\n"
              "5,アオ,D,D,C,2,B,C,早,C,C,A,牡,C,普,B\r\n"
              "2,ミドリ,S,A,A,1,C,C,遲,A,A,A,牝,D,荒,A\r\n"
              "total,3頭,,,,,,,,,,,,,,\r\n");
}

TEST_F(DumpTest, TextIsAnAlignedTableUnderTheWindowsCaptions) {
    const DumpRun run = dump({dir_.str(), "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) {
        all.push_back(line);
    }
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[0].rfind("No.  馬名    素質  ＳＰ  ＳＴ  年齡", 0), 0u) << all[0];
    EXPECT_EQ(all[3],
              "2    ミドリ  S     A     A     1     C     C     遲    A     A     A     "
              "牝    D     荒    A");
    EXPECT_EQ(all[4], "共有：3頭");
    EXPECT_EQ(displayWidth(all[1]), displayWidth(all[3]));
}

TEST_F(DumpTest, ProblemsGoToStderrWithTheirStatus) {
    slotgen::SlotImage shortImage;
    shortImage.resize(535343);
    dir_.writeSlot(4, shortImage);
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const std::vector<Case> cases{
        {{dir_.str(), "1"}, 2, "Save Data not found\n"},
        {{"--file", dir_.str()}, 2, "Save Data not found\n"},
        {{dir_.str(), "4"}, 3, "Save Data is damaged\n"},
        {{dir_.str(), "6"}, 64, ""},
        {{dir_.str(), "0"}, 64, ""},
        {{dir_.str()}, 64, ""},
        {{}, 64, ""},
        {{"--ages", "3", dir_.str(), "3"}, 64, ""},
        {{"--format", "xml", dir_.str(), "3"}, 64, ""},
        {{"--file", file_, dir_.str(), "3"}, 64, ""},
        {{"--bogus"}, 64, ""},
    };
    for (const auto& c : cases) {
        const DumpRun run = dump(c.args);
        EXPECT_EQ(run.status, c.status) << ::testing::PrintToString(c.args);
        EXPECT_EQ(run.out, "") << ::testing::PrintToString(c.args);
        if (!c.err.empty()) {
            EXPECT_EQ(run.err, c.err);
        } else {
            EXPECT_NE(run.err, "");
        }
    }
}

TEST_F(DumpTest, HelpExplainsAndSucceeds) {
    const DumpRun run = dump({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* word : {"--ages", "--format", "--file", "FOLDER", "SLOT", "Exit status"}) {
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace foalix::cli
