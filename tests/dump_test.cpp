// foalix-dump: its three output forms, the window's stars, its errors and its exit statuses.
#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/console_output.h"
#include "cli/dump_command.h"
#include "cli/kept_history.h"
#include "history/history.h"
#include "savedata/format.h"
#include "tests/dump_runner.h"
#include "tests/test_support.h"

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace foalix::cli {
namespace {

using testing::dump;
using testing::DumpRun;

// Sets an environment variable ("": unsets it) while it lives; the time zone is read anew.
struct ScopedVariable {
    ScopedVariable(const char* name, const std::string& value)
        : name(name), before(std::getenv(name) ? std::getenv(name) : "") {
        set(value);
    }
    ~ScopedVariable() { set(before); }
    void set(const std::string& value) const {
#ifdef _WIN32
        _putenv_s(name, value.c_str());
        _tzset();
#else
        value.empty() ? unsetenv(name) : setenv(name, value.c_str(), 1);
        tzset();
#endif
    }
    const char* name;
    std::string before;
};

// Runs the program argv[0] with its standard output on the open file `output`; its exit
// status, or -1 when a signal ended it.
int runWithOutput(const std::vector<std::string>& argv, int output) {
#ifdef _WIN32
    // The C library joins the arguments with spaces: one with a space of its own is quoted.
    std::vector<std::string> quoted;
    std::vector<const char*> args;
    for (const std::string& arg : argv) {
        quoted.push_back(arg.find(' ') == std::string::npos ? arg : '"' + arg + '"');
    }
    for (const std::string& arg : quoted) {
        args.push_back(arg.c_str());
    }
    args.push_back(nullptr);
    const int saved = _dup(1);
    _dup2(output, 1);
    const auto status = _spawnv(_P_WAIT, argv[0].c_str(), args.data());
    _dup2(saved, 1);
    _close(saved);
    return static_cast<int>(status);
#else
    const pid_t child = fork();
    if (child == 0) {
        dup2(output, STDOUT_FILENO);
        std::vector<char*> args;
        for (const std::string& arg : argv) {
            args.push_back(const_cast<char*>(arg.c_str()));
        }
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

class DumpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        slotgen::SlotImage image;
        image.foal(2, 11, "ミドリ", 1, 0x09, testing::kExampleOne)
            .foal(5, 12, "アオ〆", 2, 0xF7, testing::kExampleTwo)
            .recordRaw(6, 13, std::vector<savedata::Byte>{'=', 0, '"', 0, '\t', 0, 0x1F, 0})
            .link(13, 3, 0x00);
        file_ = dir_.writeSlot(3, image);
    }
    testing::TempDir dir_;
    std::string file_;
};

// Each form of the output: JSON with its keys in this order and "count" a number; CSV
// quoted and ending with the total; text in columns lined up by display width under the
// Windows captions, a name's control characters escaped so it keeps to its own line.
// The foals come in list order, as many as the age boxes and --where let through.
TEST_F(DumpTest, OutputForms) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> forms{
        {{"--format", "json", "--ages", "1", "--file", file_},
         R"({"file":)" + nlohmann::json(file_).dump() +
             R"(,"total":"1頭","count":1,"foals":[{"row":2,"name":"ミドリ","Grade":"S",)"
             R"("SP":"A","ST":"A","Age":"1","Strong":"C","Win":"C","When":"遲","Burst":"A",)"
             R"("Grass":"A","Mud":"A","Sex":"牝","Mind":"D","Temper":"荒","Brian":"A",)"
             R"("starred":false,"note":null,"tags":[]}]})"},
        {{"--format", "csv", "--ages", "2", "--file", file_},
         "row,name,Grade,SP,ST,Age,Strong,Win,When,Burst,Grass,Mud,Sex,Mind,Temper,Brian,"
         "starred,note\r\n"
         "6,\"'=\"\"\t\x1F\",D,D,D,-,D,C,早,C,C,C,牡,D,激,D,,\r\n"
         "5,アオ〆,D,D,C,2,B,C,早,C,C,A,牡,C,普,B,,\r\n"
         "total,2頭,,,,,,,,,,,,,,,,\r\n"},
        {{"--format", "csv", "--where", "Sex=牝 SP>=A", "--file", file_},
         "row,name,Grade,SP,ST,Age,Strong,Win,When,Burst,Grass,Mud,Sex,Mind,Temper,Brian,"
         "starred,note\r\n"
         "2,ミドリ,S,A,A,1,C,C,遲,A,A,A,牝,D,荒,A,,\r\n"
         "total,1頭,,,,,,,,,,,,,,,,\r\n"},
        {{dir_.str(), "3"},
         "No.  馬名      素質  ＳＰ  ＳＴ  年齡  体力  根性  成長  瞬發  芝適  沙適  性別  精神  "
         "氣性  賢　\n"
         "6    =\"\\t\\x1F  D     D     D     -     D     C     早    C     C     C     牡    D  "
         "   激    D\n"
         "5    アオ〆    D     D     C     2     B     C     早    C     C     A     牡    C  "
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

// The window's stars and notes, its history only read: a foal is starred when its slot's
// record holds the starred name (never for --file); a foal starred again keeps its first
// time, a record can hold stars for two names, an unstarred foal and a cleared history's
// reads go, and `stars` lists them all, in local time as text. A note is the foal's on the
// same rule: in CSV and JSON (its tags too), found by --where, listed by `notes`. A history that is
// not there or damaged stars nothing and is left as it was; one that cannot be read is said on
// stderr, and fails `stars` and a dump given it; a folder written another way is the same folder.
TEST_F(DumpTest, StarsAndNotesOfTheWindowsHistory) {
    const std::string folder = dir_.str();
    const std::string kept =
        (dir_.path() / ".local/share/foalix" / history::kHistoryFileName).string();
    const char* odd = "=\"\t\x1F";
    const int at = 1766032400;
    const std::vector<std::tuple<int, int, std::string, bool, int>> stars{
        {3, 5, "旧名", true, at}, {3, 5, "アオ〆", true, at - 1}, {3, 5, "アオ〆", true, at},
        {3, 2, "別名", true, at}, {4, 6, odd, true, at},          {3, 6, odd, true, at},
        {3, 6, odd, false, at}};
    for (const auto& [slot, record, name, on, time] : stars) {
        EXPECT_TRUE(history::History(kept).star(folder, slot, record, name, on, time));
    }
    const std::vector<std::tuple<int, std::string, std::string>> notes{
        {5, "アオ〆", "=1 #keep sire line\n#Fast"}, {2, "別名", "#keep gone"}, {6, odd, "#other"}};
    for (const auto& [record, name, text] : notes) {
        EXPECT_TRUE(history::History(kept).note(folder, 3, record, name, text, at));
    }
    EXPECT_TRUE(history::History(kept).clear());
    const std::string damaged = folder + "/damaged";
    std::ofstream(damaged) << std::string(4096, 'x');
    const ScopedVariable home("HOME", folder);
    const ScopedVariable data("XDG_DATA_HOME", "");
    const ScopedVariable zone("TZ", "JST-9");
    const auto before = testing::snapshot(dir_.path());
    const std::string unreadable =
        "foalix-dump: " + damaged + ": The history cannot be read: file is not a database\n";
    // The arguments, the exit status, what the output holds (JSON without its indentation,
    // then its foals' stars in order, ★ or ☆) and what stderr says.
    const std::vector<std::tuple<std::vector<std::string>, int, std::string, std::string>> runs{
        {{"--format", "json", "--history", kept, folder, "3"}, 0, "}]}☆★☆", ""},
        {{"--format", "csv", "--history", kept, folder, "3"}, 0, ",B,1,\"'=1 #keep", ""},
#ifndef _WIN32  // the window's own history, in ~/.local/share when XDG_DATA_HOME is unset
        {{"--format", "csv", folder, "3"}, 0, "普,B,1,\"'=1", ""},
#endif
        {{"--format", "json", "--history", kept, "--file", file_}, 0, "}]}☆☆☆", ""},
        {{"--format", "json", "--history", folder + "/none", folder, "3"}, 0, "}]}☆☆☆", ""},
        {{"--format", "json", "--history", damaged, folder, "3"}, 4, "", unreadable},
        // The folder written another way holds the same stars.
        {{"--format", "json", "--history", kept, folder + "/./", "3"}, 0, "}]}☆★☆", ""},
        {{"stars", "--format", "csv", "--history", kept}, 0, ",3,5,アオ〆,1766032399\r\n", ""},
        {{"stars", "--format", "csv", "--history", kept},
         0,
         "save_folder,slot,row,name,starred_at\r\n",
         ""},
        {{"stars", "--format", "json", "--history", kept}, 0, R"(,"starred_at":1766032400}]})", ""},
        {{"stars", "--history", kept}, 0, "別名      2025-12-18T13:33:20\n", ""},
        {{"stars", "--history", damaged}, 4, "", unreadable},
        {{"--format", "json", "--where", "#keep", "--history", kept, folder, "3"},
         0,
         R"("starred":true,"note":"=1 #keep sire line\n#Fast","tags":["keep","Fast"]}]})",
         ""},
        {{"--format", "csv", "--where", "sire", "--history", kept, folder, "3"},
         0,
         ",B,1,\"'=1 #keep sire line\n#Fast\"\r\ntotal,1頭",
         ""},
        {{"notes", "--format", "json", "--history", kept},
         0,
         R"({"save_folder":)" + nlohmann::json(folder).dump() +
             R"(,"slot":3,"row":5,"name":"アオ〆","note":"=1 #keep sire line\n#Fast",)"
             R"("tags":["keep","Fast"],"written_at":1766032400})",
         ""},
        {{"notes", "--history", kept}, 0, "=1 #keep sire line / #Fast  keep Fast  2025-12-18", ""},
        {{"notes", "--format", "csv", "--history", kept},
         0,
         "save_folder,slot,row,name,note,tags,written_at\r\n",
         ""},
        {{"notes", "--history", damaged}, 4, "", unreadable},
    };
    for (const auto& [args, status, excerpt, error] : runs) {
        const DumpRun run = dump(args);
        EXPECT_EQ(run.status, status) << ::testing::PrintToString(args);
        std::string shown = run.out;
        if (status == 0 && std::ranges::count(args, "json") > 0) {
            const auto document = nlohmann::ordered_json::parse(run.out);
            shown = document.dump();
            for (const auto& foal : document.value("foals", nlohmann::ordered_json::array())) {
                shown += foal["starred"] == true ? "★" : "☆";
            }
        }
        EXPECT_NE(shown.find(excerpt), std::string::npos) << shown;
        EXPECT_EQ(run.err, error);
    }
    EXPECT_EQ(testing::snapshot(dir_.path()), before);
#ifndef _WIN32
    const ScopedVariable elsewhere("XDG_DATA_HOME", "/d");
    EXPECT_EQ(defaultHistoryFile(), "/d/foalix/history.sqlite3");
    setenv("XDG_DATA_HOME", "", 1);  // empty: as unset
    EXPECT_EQ(defaultHistoryFile(), kept);
#endif
}

// Scores, worked by hand: ミドリ (S A A 体力 C 根性 C 瞬發 A 芝 A 沙 A 精神 D 賢 A) places
// 1 1 1 ⅓ 0 1 1 1 0 1, 73 by Balanced; アオ〆 (D D C B C C C A C B) places 0 0 ⅓ ⅔ 0 0 0
// 1 ⅓ ⅔, 30; the foal of record 6, every value its lowest, 0. Weights SP=3,ST=2,Burst=1:
// ミドリ 6/6 is 100, アオ〆 ⅔·2/6 is 11. The profiles the window
// saved are found in its settings; the overview counts every value of each field's scale.
TEST_F(DumpTest, ScoresAndTheOverview) {
    const ScopedVariable config("XDG_CONFIG_HOME", dir_.str());
    // The window's settings as Qt writes them: "Grade=1\tGrades\nSP=1\tstayer\n", in base64
    // and quoted. A name of its own in another case than a built-in's was kept by earlier
    // releases: the exact name finds it, another case the built-in.
    std::ofstream(dir_.path() / "Foalix RK5.conf")
        << "[Score]\nProfile=Grades\nProfiles=\"R3JhZGU9MQlHcmFkZXMKU1A9MQlzdGF5ZXIK\"\n";
    const std::string error = "Run with --help for more information.\n";
    std::vector<std::tuple<std::vector<std::string>, int, std::string, std::string>> runs{
        {{"--profile", "balanced", "--format", "csv"}, 0, "starred,note,score\r\n6,", ""},
        {{"--profile", "Balanced", "--format", "csv"}, 0, ",荒,A,,,73\r\n", ""},
        {{"--weights", "SP=3,ST=2,Burst=1", "--sort", "score", "--format", "csv"},
         0,
         "score\r\n2,ミドリ,S,A,A,1,C,C,遲,A,A,A,牝,D,荒,A,,,100\r\n5,",
         ""},
        {{"--weights", "ＳＰ=3,ST=2,瞬發=1", "--format", "json"}, 0, "\"score\":11}", ""},
        {{"--where", "score>=50", "--format", "json"}, 0, "\"count\":1,", ""},
        {{"--where", "評分<50"}, 0, "アオ〆", ""},
        {{"--format", "csv"}, 0, "Brian,starred,note\r\n", ""},  // no profile: no score
        {{"--sort", "score", "--format", "csv"}, 0, "score\r\n2,ミドリ", ""},  // by Balanced
        {{"--weights", "Spd=1"}, 64, "", "--weights: 'Spd=1': no graded field 'Spd';"},
        {{"--weights", "SP=11"}, 64, "", "--weights: 'SP=11': the weight of SP is a whole"},
        {{"--weights", "SP=1", "--profile", "Stayer"}, 64, "", "--weights excludes --profile"},
        {{"--weights", ""}, 64, "", "--weights: no weights; write FIELD=W"},
        {{"--weights", "SP,ST=1"}, 64, "", "--weights: 'SP': no weight; write SP=W"},
        {{"overview", "--format", "json"},
         0,
         R"("Grade":{"S":1,"A":0,"B":0,"C":0,"D":2},"SP":{"A":1,"B":0,"C":0,"D":2})",
         ""},
        {{"overview", "--format", "json", "--profile", "Balanced"},
         0,
         R"("score":{"0-9":1,"10-19":0,"20-29":0,"30-39":1,)",
         ""},
        {{"overview", "--format", "json", "--weights", "SP=0"},  // every weight 0: no foal scored
         0,
         R"("90-100":0,"none":3})",
         ""},
        {{"overview", "--where", "Grade=S", "--format", "csv"}, 0, "Mud,A,1\r\nMud,B,0\r\n", ""},
        {{"overview"}, 0, "Foals: 3\n素質  S 1   A 0   B 0   C 0   D 2\n", ""},
    };
#ifndef _WIN32  // on Windows the window's settings are in the registry
    runs.push_back({{"--profile", "Grades"}, 0, "  評分\n", ""});  // the window's own
    runs.push_back({{"--profile", "stayer", "--where", "score>=100", "--format", "json"},
                    0,
                    "\"count\":1,",
                    ""});
    runs.push_back({{"--profile", "STAYER", "--where", "score>=100", "--format", "json"},
                    0,
                    "\"count\":0,",
                    ""});
    runs.push_back({{"--profile", "Sprinter"},
                    64,
                    "",
                    "--profile: no profile 'Sprinter'; the profiles are Balanced, Turf sprinter, "
                    "Stayer, Dirt runner, Classic, Grades, stayer\n"});
#endif
    for (auto [args, status, excerpt, stderrExcerpt] : runs) {
        args.insert(args.end(), {"--file", file_, "--ages", "1,2"});
        const DumpRun run = dump(args);
        EXPECT_EQ(run.status, status) << ::testing::PrintToString(args);
        std::string shown = run.out;
        if (status == 0 && std::ranges::count(args, "json") > 0) {
            shown = nlohmann::ordered_json::parse(run.out).dump();
        }
        EXPECT_NE(shown.find(excerpt), std::string::npos) << shown;
        EXPECT_NE(run.err.find(stderrExcerpt), std::string::npos) << run.err;
    }
}

// A foal's story from the window's history, oldest first, its moves marked in text; the
// folder the window reads when none is given; a record without a foal, or past 40, refused.
// A backup holds every read and never replaces a file that is there.
TEST_F(DumpTest, TimelineAndBackupOfTheWindowsHistory) {
    const std::string folder = dir_.str();
    const std::string kept = (dir_.path() / "history.sqlite3").string();
    {
        history::History history(kept);
        savedata::HorseEntry foal;
        foal.name = "アオ〆";
        for (const auto& [at, grade] : {std::pair(1001, "D"), {1002, "C"}, {1003, "B"}}) {
            foal.Grade = grade;
            foal.SP = at == 1003 ? "D" : "C";
            history.keep({folder, 3, at, at, "x"}, {{5, foal}});
        }
    }
    const ScopedVariable config("XDG_CONFIG_HOME", folder);
    std::ofstream(dir_.path() / "Foalix RK5.conf") << "[Setting]\nRK5Path=" << folder << "\n";
    const ScopedVariable zone("TZ", "UTC0");
    const std::string copy = (dir_.path() / "copy.sqlite3").string();
    std::vector<std::tuple<std::vector<std::string>, int, std::string, std::string>> runs{
        {{"timeline", folder, "3", "5", "--format", "json"},
         0,
         R"({"record":5,"name":"アオ〆","reads":[{"read_at":1001,"values":{"Grade":"D","SP":"C",)",
         ""},
        {{"timeline", folder, "3", "5", "--format", "csv"}, 0, "read_at,Grade,SP,ST,Age,", ""},
        {{"timeline", folder, "3", "5"}, 0, "1970-01-01T00:16:43  B▲    D▼", ""},
        {{"timeline", folder, "3", "6"},
         2,
         "",
         "record 6 of slot 3 of " + folder + " holds no foal"},
        {{"timeline", "3", "41"}, 64, "", "RECORD: '41' is not a whole number from 1 to 40"},
        {{"backup", copy}, 0, "Backed up", ""},
        {{"backup", copy}, 4, "", copy + ": is there already; nothing was written"},
    };
#ifndef _WIN32  // on Windows the window's settings are in the registry
    runs.push_back({{"timeline", "3", "5", "--format", "csv"}, 0, "\r\n1003,B,D,", ""});
#endif
    for (auto [args, status, excerpt, error] : runs) {
        args.insert(args.end(), {"--history", kept});
        const DumpRun run = dump(args);
        EXPECT_EQ(run.status, status) << ::testing::PrintToString(args) << run.err;
        std::string shown = run.out;
        if (status == 0 && std::ranges::count(args, "json") > 0) {
            shown = nlohmann::ordered_json::parse(run.out).dump();
        }
        EXPECT_NE(shown.find(excerpt), std::string::npos) << shown;
        EXPECT_NE(run.err.find(error), std::string::npos) << run.err;
    }
    EXPECT_EQ(history::History(copy).reads(folder, 3).size(), 3u);
    const DumpRun none = dump({"backup", copy + "2", "--history", folder + "/none"});
    EXPECT_EQ(none.status, 4);
    EXPECT_NE(none.err.find("there is no history yet"), std::string::npos) << none.err;
}

// foalix-dump compare: every used record of both files whatever its age, the foals
// that arrived and left and the values that changed, and what the exit status says.
TEST_F(DumpTest, CompareTwoSlotFiles) {
    auto lower = testing::kExampleOne;
    lower[0] = 0x10;
    const std::string later =
        dir_.writeSlot(4, slotgen::SlotImage()
                              .foal(2, 11, "ミドリ", 1, 0x09, lower)
                              .foal(5, 12, "アオ〆", 2, 0xF7, testing::kExampleTwo)
                              .foal(7, 14, "アカ", 2, 0x00, testing::kExampleTwo));
    const std::string removed =
        R"({"row":6,"name":"=\"\t\u001f","Grade":"D","SP":"D","ST":"D","Age":"-","Strong":"D",)"
        R"("Win":"C","When":"早","Burst":"C","Grass":"C","Mud":"C","Sex":"牡","Mind":"D",)"
        R"("Temper":"激","Brian":"D"})";
    const std::vector<std::tuple<std::vector<std::string>, int, std::string>> runs{
        {{"--format", "json", file_, file_}, 0, R"({"added":[],"removed":[],"changed":[]})"},
        {{"--format", "json", file_, later},
         1,
         R"({"added":[{"row":7,"name":"アカ","Grade":"D","SP":"D","ST":"C","Age":"2",)"
         R"("Strong":"B","Win":"C","When":"早","Burst":"C","Grass":"C","Mud":"A","Sex":"牡",)"
         R"("Mind":"C","Temper":"普","Brian":"B"}],"removed":[)" +
             removed +
             R"(],"changed":[{"row":2,"name":"ミドリ","field":"Grade","old":"S","new":"D"}]})"},
        {{"--format", "csv", later, later},
         0,
         "change,row,name,Grade,SP,ST,Age,Strong,Win,When,Burst,Grass,Mud,Sex,Mind,Temper,"
         "Brian\r\n"},
        {{file_, dir_.str() + "/none.rk5"}, 2, "Save Data not found\n"},
        {{file_}, 64, "NEW is required\n"},
    };
    for (const auto& [args, status, expected] : runs) {
        std::vector<std::string> command{"compare"};
        command.insert(command.end(), args.begin(), args.end());
        const DumpRun run = dump(command);
        EXPECT_EQ(run.status, status) << run.err;
        const bool json = args[0] == "--format" && args[1] == "json";
        const std::string& shown = status >= 2 ? run.err : run.out;
        EXPECT_TRUE(
            (json ? nlohmann::ordered_json::parse(shown).dump() : shown).starts_with(expected))
            << shown;
    }
}

// Wrong use (a --where condition that does not parse too) is a usage message on stderr
// and status 64; a right one lists (0) or says what it found on stderr (2: slot 5 is not
// there); --help shows the age choices and the timeline's place plainly.
TEST_F(DumpTest, UsageRules) {
    const std::vector<std::pair<std::vector<std::string>, int>> uses{
        {{dir_.str(), "6"}, 64},
        {{dir_.str(), "0"}, 64},
        {{dir_.str(), "5"}, 2},
        {{dir_.str()}, 64},
        {{"--file", file_, dir_.str()}, 64},
        {{"--ages", "3", dir_.str()}, 64},
        {{"--ages", "2,1", "--file", file_}, 0},
        {{"--where", "SP=A Spd>=A", "--file", file_}, 64},
        {{"--help"}, 0}};
    for (const auto& [args, status] : uses) {
        const DumpRun run = dump(args);
        EXPECT_EQ(run.status, status) << ::testing::PrintToString(args) << run.err;
        EXPECT_EQ(run.out.empty(), status != 0);
        EXPECT_EQ(run.err.empty(), status == 0);
    }
    EXPECT_NE(dump({"--help"}).out.find("--ages 1|2|1,2"), std::string::npos);
    const std::string timelineHelp = dump({"timeline", "--help"}).out;
    EXPECT_NE(timelineHelp.find("Usage: foalix-dump timeline [OPTIONS] [FOLDER] SLOT RECORD\n"),
              std::string::npos);
    EXPECT_NE(timelineHelp.find("\n  [FOLDER] SLOT RECORD REQUIRED\n"), std::string::npos);
    EXPECT_TRUE(dump({"--where", "Spd>=A", "--file", file_})
                    .err.starts_with("--where: 'Spd>=A': no field 'Spd'; fields are Grade, SP,"));
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
    EXPECT_EQ(runWithOutput({FOALIX_DUMP_EXE, "--file", file_}, fds[1]), kExitOtherError);
    close(fds[1]);
#endif
}

// The program itself, its output in a file: the same bytes as the command gives in this
// process on every system (UTF-8; CSV lines end in CR LF once, the others in LF), with a
// Big5 roster's names detected from its used records or read as chosen.
TEST_F(DumpTest, ProgramWritesTheSameBytesToAFile) {
    slotgen::SlotImage big5;
    big5.names(savedata::NameEncoding::Big5).foal(1, 1, "中馬", 1, 0x09, testing::kExampleOne);
    // A Shift-JIS name in an unused record does not count.
    big5.recordRaw(3, savedata::EMPTY_ROSTER_ID, std::vector<savedata::Byte>{0x83, 0x54});
    const std::string big5File = dir_.writeSlot(4, big5);
    const std::vector<std::pair<std::vector<std::string>, std::string>> runs{
        {{"--format", "csv", "--file", file_}, ""},
        {{dir_.str(), "3"}, ""},
        {{"--file", big5File}, "1    中馬  S"},
        {{"--encoding", "shift-jis", "--file", big5File}, "1    ､ｰ    S"},
        {{"--encoding", "big5", "--file", file_}, "\uF030\uF01A\uFFFD"},
    };
    const std::string output = (dir_.path() / "output").string();
    for (const auto& [args, excerpt] : runs) {
        std::vector<std::string> argv{FOALIX_DUMP_EXE};
        argv.insert(argv.end(), args.begin(), args.end());
        std::FILE* file = std::fopen(output.c_str(), "wb");
        const int status = runWithOutput(argv, fileno(file));
        std::fclose(file);
        std::ifstream in(output, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(status, 0) << args.back();
        EXPECT_EQ(bytes, dump(args).out) << args.back();
        EXPECT_NE(bytes.find(excerpt), std::string::npos) << bytes;
    }
    EXPECT_EQ(dump({"--encoding", "latin1", "--file", file_}).status, kExitUsage);
}

// Console output goes on as UTF-16 in whole characters, however the UTF-8 is cut up.
TEST(Utf16Buffer, WholeCharactersWhereverTheTextIsCut) {
    const std::vector<std::pair<std::vector<std::string>, std::wstring>> cases{
        {{"\xE3", "\x83\x9F\xE3\x83", "\x89"}, L"ミド"},  // a character across writes
        {{"\xF0\x9F\x90", "\x8E"}, L"\xD83D\xDC0E"},      // beyond 16 bits: a surrogate pair
        {{"A\xFF\x80", "\xC0\xAF"}, L"A\xFFFD\xFFFD\xFFFD\xFFFD"},  // not UTF-8
    };
    for (const auto& [writes, expected] : cases) {
        std::wstring written;
        {
            Utf16Buffer buffer([&](std::wstring_view text) { written += text; });
            std::ostream out(&buffer);
            for (const std::string& text : writes) {
                out << text << std::flush;
            }
        }
        EXPECT_EQ(written, expected) << ::testing::PrintToString(writes);
    }
}

}  // namespace
}  // namespace foalix::cli
