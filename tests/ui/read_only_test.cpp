// Reading never writes: every slot of a save folder loaded in the window and by
// foalix-dump leaves every file's bytes and modification time as they were, read-only
// files and folders still load, and nothing new appears in the folder.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "cli/dump_command.h"
#include "savedata/slot_path.h"
#include "tests/test_support.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"
#include "tests/ui/wine_prefix.h"
#include "ui/foal_list.h"
#include "ui/main_window.h"

namespace foalix::testing {
namespace {

namespace fs = std::filesystem;

TEST(ReadOnly, LoadingEverySlotChangesNothingOnDisk) {
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only folder and files" : "ordinary folder and files");
        TestWinePrefix prefix;
        const fs::path saves = prefix.makeSaveFolder().toStdString();
        for (int slot = 1; slot <= 5; ++slot) {
            slotgen::SlotImage image;
            image.foal(slot, 10 + slot, "イチ", slot, 0x08, kExampleOne);
            image.writeTo(savedata::composeSlotFile(saves.string(), slot));
        }
        if (readOnly) {
            for (const auto& file : fs::directory_iterator(saves)) {
                fs::permissions(file.path(), fs::perms::owner_read | fs::perms::group_read |
                                                 fs::perms::others_read);
            }
            fs::permissions(saves, fs::perms::owner_read | fs::perms::owner_exec |
                                       fs::perms::group_read | fs::perms::group_exec);
        }
        const FolderSnapshot before = snapshot(saves);

        FakePlatform fake;
        fake.drives.drives = {{"/", "/"}};
        ui::MainWindow window(fake.platform);
        window.Form_Load();
        window.show();
        for (int slot = 1; slot <= 5; ++slot) {
            QTest::mouseClick(
                control<QRadioButton>(&window, qPrintable(QString("optSaveName%1").arg(slot - 1))),
                Qt::LeftButton);
            QTest::mouseClick(control<QPushButton>(&window, "cmdApply"), Qt::LeftButton);
            EXPECT_EQ(control<ui::FoalList>(&window, "lstHorse")->count(), 1) << slot;

            const std::string slotText = std::to_string(slot);
            const std::string folder = saves.string();
            const char* argv[] = {"foalix-dump", folder.c_str(), slotText.c_str()};
            std::ostringstream out;
            std::ostringstream err;
            EXPECT_EQ(cli::runDump(3, argv, out, err), 0) << err.str();
        }
        EXPECT_TRUE(fake.messages.shown.empty());
        EXPECT_EQ(snapshot(saves), before);
        fs::permissions(saves, fs::perms::owner_all);
    }
}

}  // namespace
}  // namespace foalix::testing
