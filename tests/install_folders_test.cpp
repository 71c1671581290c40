// Which copy of a slot file the game reads: the user's VirtualStore copy of a file below
// either Program Files folder, when there is one; the default save folder; the folders
// of a Wine prefix, and on Windows those the system names.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <tuple>

#include "savedata/install_folders.h"
#include "savedata/slot_path.h"

namespace foalix::savedata {
namespace {

const std::string kStore = "C:\\Users\\p\\AppData\\Local\\VirtualStore";

// Each case: the slot file, whether case is ignored, and its VirtualStore copy ("": none).
TEST(InstallFolders, TheGameReadsTheVirtualStoreCopyBelowProgramFiles) {
    const InstallFolders folders{
        {"E:\\Programme\\", "C:\\Program Files (x86)"}, kStore + "\\", true};
    const std::vector<std::tuple<std::string, bool, std::string>> cases{
        {"E:\\Programme\\V\\G\\SAVEDATA\\Svdata1a.rk5", true,
         kStore + "\\Programme\\V\\G\\SAVEDATA\\Svdata1a.rk5"},
        {"C:\\Program Files (x86)\\V\\S\\a.rk5", false,
         kStore + "\\Program Files (x86)\\V\\S\\a.rk5"},
        {"c:/PROGRAM files (X86)/v\\a.rk5", true, kStore + "/PROGRAM files (X86)/v\\a.rk5"},
        {"c:/PROGRAM files (X86)/v\\a.rk5", false, ""},  // names differ by case elsewhere
        {"C:\\Program Files (x86) Old\\a.rk5", true, ""},
        {"C:\\Program Files (x86)\\", true, ""},
        {"C:\\Program Files\\V\\a.rk5", true, ""},  // not a Program Files folder of this system
        {"D:\\Games\\SAVEDATA\\a.rk5", true, ""},
        {"Svdata1a.rk5", true, ""},
    };
    for (const auto& [path, ignoreCase, copy] : cases) {
        SCOPED_TRACE(path);
        InstallFolders these = folders;
        these.ignoreCase = ignoreCase;
        const auto copyPresent = [path = path, copy = copy](const std::string& p) {
            return p == copy || p == path;
        };
        EXPECT_EQ(gameReadsFrom(path, these, copyPresent), copy.empty() ? path : copy);
        EXPECT_EQ(gameFileCandidates(path, these),
                  (copy.empty() ? std::vector{path} : std::vector{copy, path}));
        const auto originalOnly = [path = path](const std::string& p) { return p == path; };
        EXPECT_EQ(gameReadsFrom(path, these, originalOnly), path);
        // Where the system redirects nothing, the file is read where it is.
        these.virtualStore.clear();
        EXPECT_EQ(gameReadsFrom(path, these, copyPresent), path);
    }
}

// The default save folder: below the first Program Files folder that holds it, else the
// VirtualStore copy of it that comes first, else below the first; a Wine prefix's two
// Program Files folders.
TEST(InstallFolders, DefaultSaveFolderAndWinePrefix) {
    const InstallFolders wine = wineInstallFolders("", "/h");
    EXPECT_EQ(wine.programFiles,
              (std::vector<std::string>{"/h/.wine/drive_c/Program Files",
                                        "/h/.wine/drive_c/Program Files (x86)"}));
    EXPECT_EQ(wine.virtualStore, "");
    EXPECT_EQ(wineInstallFolders("/w//", "/h").programFiles.front(), "/w/drive_c/Program Files");
    const std::string sep(1, kPathSeparator);
    const auto under = [&](const std::string& top) {
        return top + sep + "Vantrel" + sep + "Galvaro" + sep + "SAVEDATA";
    };
    EXPECT_EQ(saveFolderUnder("C:" + sep), under("C:"));
    const InstallFolders two{{"/A", "/B"}, "VS", false};
    const std::vector<std::pair<std::set<std::string>, std::string>> cases{
        {{}, "/A " + under("/A")},
        {{"/B"}, "/A " + under("/A")},
        {{under("/B")}, "/B " + under("/B")},
        {{under("/A"), under("/B")}, "/A " + under("/A")},
        {{"VS" + under("/B")}, "/B VS" + under("/B")},
        {{"VS" + under("/A"), under("/B")}, "/B " + under("/B")},
        {{"VS" + under("/A"), "VS" + under("/B")}, "/A VS" + under("/A")},
    };
    for (const auto& [existing, expected] : cases) {
        const GameInstall game =
            gameInstall(two, [&](const std::string& p) { return existing.contains(p); });
        EXPECT_EQ(game.programFiles + " " + game.saveFolder, expected);
    }
    EXPECT_EQ(gameInstall({}, [](const std::string&) { return true; }).saveFolder, "");
}

#ifndef _WIN32
// A relative WINEPREFIX is made absolute: applying a slot changes the current directory.
TEST(InstallFolders, RelativeWinePrefix) {
    const char* before = std::getenv("WINEPREFIX");
    const std::string kept = before == nullptr ? "" : before;
    setenv("WINEPREFIX", "w", 1);
    EXPECT_EQ(systemInstallFolders().programFiles.front(),
              (std::filesystem::current_path() / "w/drive_c/Program Files").string());
    before == nullptr ? unsetenv("WINEPREFIX") : setenv("WINEPREFIX", kept.c_str(), 1);
}
#endif

#ifdef _WIN32
// The folders Windows names (Wine in the tests), as its environment names them too.
TEST(InstallFolders, AskedFromTheSystem) {
    const InstallFolders folders = systemInstallFolders();
    const auto env = [](const char* name) {
        const char* value = std::getenv(name);
        return value == nullptr ? std::string("<unset>") : std::string(value);
    };
    EXPECT_EQ(folders.programFiles,
              (std::vector<std::string>{env("ProgramW6432"), env("ProgramFiles(x86)")}));
    EXPECT_EQ(folders.virtualStore, env("LOCALAPPDATA") + "\\VirtualStore");
    EXPECT_TRUE(folders.ignoreCase);
}
#endif

}  // namespace
}  // namespace foalix::savedata
