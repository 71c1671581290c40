// Each kept value under the section and key earlier releases kept it under, in the same
// words; anything unreadable there reads as the value's default; every change told once;
// and a value the store cannot keep holds for the run all the same.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "session/settings.h"
#include "tests/platform_fakes.h"
#include "tests/test_support.h"

namespace foalix::testing {
namespace {

using namespace session;

struct Kept {
    const SettingKey* setting;
    const char* stored;      // the text kept, under this section and key
    const char* unreadable;  // a text that reads as the default
};

TEST(Settings, EachValueKeptWhereEarlierReleasesKeptIt) {
    using savedata::NameEncodingChoice;
    TestSettings store;
    Settings settings(store.store);
    QSignalSpy changed(&settings, &Settings::changed);
    settings.set(setting::saveFolder, QString("D:\\Galvaro\\SAVEDATA"));
    settings.set(setting::nameEncoding, NameEncodingChoice::Big5);
    settings.set(setting::darkTheme, true);
    settings.set(setting::language, QString("ja"));
    settings.set(setting::followSaveFile, false);
    settings.set(setting::markBestValues, false);
    settings.set(setting::tableGeometry, QByteArray("\x01\x02", 2));
    settings.set(setting::tableHeader, QByteArray("h"));
    settings.set(setting::exportFolder, QString("C:\\Users\\me"));
    settings.set(setting::compareGeometry, QByteArray("c"));
    EXPECT_EQ(changed.size(), 10);
    settings.set(setting::darkTheme, true);  // the same again: no change
    EXPECT_EQ(changed.size(), 10);
    const Kept kept[] = {
        {&setting::saveFolder, "D:\\Galvaro\\SAVEDATA", nullptr},
        {&setting::nameEncoding, "big5", "utf-8"},
        {&setting::darkTheme, "1", "yes"},
        {&setting::language, "ja", nullptr},
        {&setting::followSaveFile, "0", "off"},
        {&setting::markBestValues, "0", "no"},
        {&setting::tableGeometry, "AQI=", "640,480"},
        {&setting::tableHeader, "aA==", "*"},
        {&setting::exportFolder, "C:\\Users\\me", nullptr},
        {&setting::compareGeometry, "Yw==", "!"},
    };
    for (const Kept& each : kept) {
        EXPECT_EQ(store.store.get(each.setting->section, each.setting->key, "<none>"), each.stored)
            << each.setting->key;
        if (each.unreadable != nullptr) {
            store.store.save(each.setting->section, each.setting->key, each.unreadable);
        }
    }
    const Settings later(store.store);
    EXPECT_EQ(later.get(setting::saveFolder), "D:\\Galvaro\\SAVEDATA");
    EXPECT_EQ(later.get(setting::nameEncoding), NameEncodingChoice::Automatic);
    EXPECT_FALSE(later.get(setting::darkTheme));
    EXPECT_TRUE(later.get(setting::followSaveFile));
    EXPECT_TRUE(later.get(setting::markBestValues));
    EXPECT_TRUE(later.get(setting::tableGeometry).isEmpty());
    EXPECT_TRUE(later.get(setting::compareGeometry).isEmpty());
    EXPECT_EQ(later.get(setting::language), "ja");
    EXPECT_EQ(later.get(setting::exportFolder, QString("elsewhere")), "C:\\Users\\me");
}

#ifndef _WIN32
TEST(Settings, AValueTheStoreCannotKeepHoldsForTheRun) {
    TestSettings store;
    store.makeUnwritable();
    Settings settings(store.store);
    QSignalSpy changed(&settings, &Settings::changed);
    EXPECT_EQ(errorOf([&] { settings.set(setting::darkTheme, true); }), 75);
    EXPECT_TRUE(settings.get(setting::darkTheme));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<const SettingKey*>(), &setting::darkTheme);
}
#endif

}  // namespace
}  // namespace foalix::testing
