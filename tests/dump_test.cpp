// foalix-dump: its three output forms, its errors and its exit statuses.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/dump_command.h"
#include "tests/dump_runner.h"
#include "tests/test_support.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace foalix::cli {
namespace {

using testing::dump;
using testing::DumpRun;

class DumpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        slotgen::SlotImage image;
        image.foal(2, 11, "ミドリ", 1, 0x09, testing::kExampleOne)
            .foal(5, 12, "アオ", 2, 0xF7, testing::kExampleTwo)
            .recordRaw(6, 13, std::vector<savedata::Byte>{'A', 0, '"', 0, '\t', 0, 0x1F, 0})
            .link(13, 3, 0x00);
        file_ = dir_.writeSlot(3, image);
    }
    testing::TempDir dir_;
    std::string file_;
};

// Each form of the output: JSON with its keys in this order and "count" a number; CSV
// quoted and ending with the total; text in columns lined up by display width under the
// Windows captions, a name's control characters escaped so it keeps to its own line.
// The foals come in list order, as many as the age boxes let through.
TEST_F(DumpTest, OutputForms) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> forms{
        {{"--format", "json", "--ages", "1", "--file", file_},
         R"({"file":)" + nlohmann::json(file_).dump() +
             R"(,"total":"1頭","count":1,"foals":[{"row":2,"name":"ミドリ","Grade":"S",)"
             R"("SP":"A","ST":"A","Age":"1","Strong":"C","Win":"C","When":"遲","Burst":"A",)"
             R"("Grass":"A","Mud":"A","Sex":"牝","Mind":"D","Temper":"荒","Brian":"A"}]})"},
        {{"--format", "csv", "--ages", "2", "--file", file_},
         "row,name,Grade,SP,ST,Age,Strong,Win,When,Burst,Grass,Mud,Sex,Mind,Temper,Brian\r\n"
         "6,\"A\"\"\t\x1F\",D,D,D,-,D,C,早,C,C,C,牡,D,激,D\r\n"
         "5,アオ,D,D,C,2,B,C,早,C,C,A,牡,C,普,B\r\n"
         "total,2頭,,,,,,,,,,,,,,\r\n"},
        {{dir_.str(), "3"},
         "No.  馬名      素質  ＳＰ  ＳＴ  年齡  体力  根性  成長  瞬發  芝適  沙適  性別  精神  "
         "氣性  賢　\n"
         "6    A\"\\t\\x1F  D     D     D     -     D     C     早    C     C     C     牡    D  "
         "   激    D\n"
         "5    アオ      D     D     C     2     B     C     早    C     C     A     牡    C  "
         "   普    B\n"
         "2    ミドリ    S     A     A     1     C     C     遲    A     A     A     牝    D  "
         "   荒    A\n"
         "共有：3頭\n"},
    };
    for (const auto& [args, expected] : forms) {
        const DumpRun run = dump(args);
        EXPECT_EQ(run.status, 0) << run.err;
        const bool json = args[1] == "json";  // compared without its indentation
        EXPECT_EQ(json ? nlohmann::ordered_json::parse(run.out).dump() : run.out, expected);
    }
}

// Wrong use is a usage message on stderr and status 64; a right one lists (0) or says
// what it found on stderr (2: slot 5 is not there); --help shows the age choices plainly.
TEST_F(DumpTest, UsageRules) {
    const std::vector<std::pair<std::vector<std::string>, int>> uses{
        {{dir_.str(), "6"}, 64},
        {{dir_.str(), "0"}, 64},
        {{dir_.str(), "5"}, 2},
        {{dir_.str()}, 64},
        {{"--file", file_, dir_.str()}, 64},
        {{"--ages", "3", dir_.str()}, 64},
        {{"--ages", "2,1", "--file", file_}, 0},
        {{"--help"}, 0}};
    for (const auto& [args, status] : uses) {
        const DumpRun run = dump(args);
        EXPECT_EQ(run.status, status) << ::testing::PrintToString(args) << run.err;
        EXPECT_EQ(run.out.empty(), status != 0);
        EXPECT_EQ(run.err.empty(), status == 0);
    }
    EXPECT_NE(dump({"--help"}).out.find("--ages 1|2|1,2"), std::string::npos);
}

// An output that cannot be written (a full disk, a reader that went away) is an error.
TEST_F(DumpTest, OutputThatCannotBeWrittenFails) {
    const std::string args[] = {"foalix-dump", "--file", file_};
    const char* argv[] = {args[0].c_str(), args[1].c_str(), args[2].c_str()};
    std::ostream unwritable(nullptr);
    std::ostringstream err;
    EXPECT_EQ(runDump(3, argv, unwritable, err), kExitOtherError);
    EXPECT_EQ(err.str(), "foalix-dump: cannot write the output\n");
#ifndef _WIN32
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    close(fds[0]);  // nobody will read
    const pid_t child = fork();
    if (child == 0) {
        dup2(fds[1], STDOUT_FILENO);
        dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
        execl(FOALIX_DUMP_EXE, "foalix-dump", "--file", file_.c_str(), nullptr);
        _exit(127);
    }
    close(fds[1]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kExitOtherError) << status;
#endif
}

}  // namespace
}  // namespace foalix::cli
