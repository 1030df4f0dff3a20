#include "settings/SettingsStore.h"
#include "settings/Defaults.h"
#include "settings/SettingKeys.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace fw {
namespace {

// The file a first start writes, byte for byte.
const char kDefaultFile[] =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<groups>\r\n"
    "    <group name=\"general\">\r\n"
    "        <item name=\"language\" value=\"english\" />\r\n"
    "        <item name=\"loadOnWindowsStartup\" value=\"0\" />\r\n"
    "        <item name=\"minimizeToNotificationArea\" value=\"1\" />\r\n"
    "        <item name=\"closeToNotificationArea\" value=\"1\" />\r\n"
    "        <item name=\"mode\" value=\"1\" />\r\n"
    "        <item name=\"captureDelay\" value=\"200\" />\r\n"
    "        <item name=\"previewListZoom\" value=\"0\" />\r\n"
    "        <item name=\"playSound\" value=\"1\" />\r\n"
    "        <item name=\"externalEditorPath\" value=\"\" />\r\n"
    "        <item name=\"outputFolder\" value=\"\" />\r\n"
    "        <item name=\"outputFileFormat\" value=\"1\" />\r\n"
    "        <item name=\"outputFileNamePattern\" value=\"ScreenShot-[COUNTER]\" />\r\n"
    "        <item name=\"outputFileNameCounterFormat\" value=\"0\" />\r\n"
    "        <item name=\"includeMouseCursor\" value=\"0\" />\r\n"
    "        <item name=\"autoCopyToClipboard\" value=\"0\" />\r\n"
    "        <item name=\"lastSaveAsPath\" value=\"\" />\r\n"
    "        <item name=\"historyEnable\" value=\"1\" />\r\n"
    "        <item name=\"historyLimit\" value=\"7\" />\r\n"
    "        <item name=\"historyMode\" value=\"0\" />\r\n"
    "        <item name=\"historyDeleteToRecycleBin\" value=\"1\" />\r\n"
    "        <item name=\"hotkeyCapture\" value=\"0\" />\r\n"
    "        <item name=\"hotkeyShowAndHide\" value=\"0\" />\r\n"
    "        <item name=\"usePrintScreenKey\" value=\"1\" />\r\n"
    "        <item name=\"fullScreenModeWorkArea\" value=\"0\" />\r\n"
    "        <item name=\"windowModeIncludeControls\" value=\"1\" />\r\n"
    "        <item name=\"windowModeSaveTransparency\" value=\"1\" />\r\n"
    "        <item name=\"regionModeMagnifierSize\" value=\"1\" />\r\n"
    "        <item name=\"regionModeMagnifierZoom\" value=\"10\" />\r\n"
    "        <item name=\"timerModeInterval\" value=\"5\" />\r\n"
    "        <item name=\"timerModeIntervalType\" value=\"0\" />\r\n"
    "        <item name=\"timerModeRepeatCount\" value=\"1\" />\r\n"
    "        <item name=\"timerModeTickingSound\" value=\"1\" />\r\n"
    "        <item name=\"timerModeShowCounter\" value=\"1\" />\r\n"
    "        <item name=\"timerModeCounterPosition\" value=\"10\" />\r\n"
    "    </group>\r\n"
    "    <group name=\"statistics\">\r\n"
    "        <item name=\"isSendEnable\" value=\"0\" />\r\n"
    "        <item name=\"lastSend\" value=\"0\" />\r\n"
    "        <item name=\"numRuns\" value=\"0\" />\r\n"
    "        <item name=\"totalScreenshots\" value=\"0\" />\r\n"
    "        <item name=\"outTotalScreenshots\" value=\"0\" />\r\n"
    "    </group>\r\n"
    "    <group name=\"windows\">\r\n"
    "        <item name=\"windowMainLeft\" value=\"-1\" />\r\n"
    "        <item name=\"windowMainTop\" value=\"-1\" />\r\n"
    "        <item name=\"windowMainWidth\" value=\"-1\" />\r\n"
    "        <item name=\"windowMainHeight\" value=\"-1\" />\r\n"
    "        <item name=\"windowMainTopMost\" value=\"0\" />\r\n"
    "        <item name=\"windowMainMaximized\" value=\"0\" />\r\n"
    "        <item name=\"windowOptionsLeft\" value=\"-1\" />\r\n"
    "        <item name=\"windowOptionsTop\" value=\"-1\" />\r\n"
    "        <item name=\"windowOptionsPage\" value=\"0\" />\r\n"
    "    </group>\r\n"
    "</groups>\r\n";

std::string readAll(WideStringView path) {
    Bytes bytes;
    EXPECT_TRUE(os::readFile(path, bytes));
    return std::string(bytes.begin(), bytes.end());
}

void writeAll(WideStringView path, const std::string& text) {
    ASSERT_TRUE(os::createFolder(parentFolder(path)));
    ASSERT_TRUE(os::writeFile(path, text.data(), text.size()));
}

// A config.dat holding the defaults with `edit` applied to its text.
std::string editedDefaults(const std::string& from, const std::string& to) {
    std::string text = kDefaultFile;
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

class SettingsStoreTest : public testing::Test {
protected:
    // Opens the store and applies the defaults, as the program starts.
    bool start(SettingsStore& store) { return applyDefaults(store, standardDefaults()); }
    WideString configPath() const {
        return joinPath(joinPath(temp.path(), u"Framewing"), u"config.dat");
    }

    TempFolder temp{testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(SettingsStoreTest, FirstStartWritesEveryDefaultInTableOrder) {
    {
        SettingsStore store(u"config.dat", u"Framewing", temp.path());
        EXPECT_EQ(store.count(), 0u);
        EXPECT_EQ(readAll(configPath()), ""); // created empty by the load
        EXPECT_TRUE(start(store));
        EXPECT_EQ(store.count(), 48u);
    }
    EXPECT_EQ(readAll(configPath()), kDefaultFile);
    SettingsStore again(u"config.dat", u"Framewing", temp.path());
    EXPECT_FALSE(start(again));
    EXPECT_EQ(again.get(keys::kLanguage, SettingValue()).kind(), SettingValueKind::String);
    EXPECT_EQ(again.get(keys::kWindowMainLeft, SettingValue()).toInt32(), -1);
}

TEST_F(SettingsStoreTest, AnyDifferenceInTheKeySetResetsEveryValue) {
    const std::string item = "<item name=\"mode\" value=\"1\" />";
    const std::string changes[] = {
        "<item name=\"mode\" value=\"3\" /><item name=\"oldKey\" value=\"x\" />",
        "<item name=\"mode\" value=\"3\" /><item name=\"mode\" value=\"3\" />",
        "<item name=\"Mode\" value=\"3\" />",
        "",
    };
    for (const std::string& change : changes) {
        writeAll(configPath(), editedDefaults(item, change));
        SettingsStore store(u"config.dat", u"Framewing", temp.path());
        EXPECT_TRUE(start(store)) << change;
        EXPECT_EQ(store.get(keys::kMode, SettingValue()).toInt32(), 1);
        EXPECT_EQ(readAll(configPath()), kDefaultFile);
    }
    writeAll(configPath(), "not xml");
    SettingsStore broken(u"config.dat", u"Framewing", temp.path());
    EXPECT_TRUE(start(broken));
}

TEST_F(SettingsStoreTest, ReorderedFileKeepsValuesAndOrder) {
    std::string language = "<item name=\"language\" value=\"english\" />";
    std::string text = editedDefaults(language, "");
    std::string moved = "        <item name=\"language\" value=\"deutsch &amp; more\" />\r\n";
    text.insert(text.find("</groups>"),
                "    <group name=\"general\">\r\n" + moved + "    </group>\r\n");
    writeAll(configPath(), text);
    {
        SettingsStore store(u"config.dat", u"Framewing", temp.path());
        EXPECT_FALSE(start(store));
        EXPECT_EQ(store.get(keys::kLanguage, SettingValue()).toText(), u"deutsch & more");
        EXPECT_EQ(store.entries().back().key, keys::kLanguage);
        store.set(u"general/notAKey", SettingValue::int32(1));
        EXPECT_FALSE(store.contains(u"general/notAKey"));
    }
    // The destructor's save writes the same order back, with the empty item line
    // left by the edit gone.
    std::string expected = text;
    expected.erase(expected.find("        \r\n"), 10);
    EXPECT_EQ(readAll(configPath()), expected);
}

TEST_F(SettingsStoreTest, InterruptedOrFailedWriteKeepsTheOldFile) {
    {
        SettingsStore store(u"config.dat", u"Framewing", temp.path());
        start(store);
    }
    SettingsStore store(u"config.dat", u"Framewing", temp.path());
    store.set(keys::kMode, SettingValue::int32(3));
    // The program stops after writing the temporary file, before the rename.
    XmlDocument document;
    store.buildDocument(document);
    Bytes pending = document.toBytes();
    const WideString leftOver = configPath() + u".0123abcd.tmp";
    ASSERT_TRUE(os::writeFile(leftOver, pending.data(), pending.size()));
    EXPECT_EQ(readAll(configPath()), kDefaultFile);
    SettingsStore reread(u"config.dat", u"Framewing", temp.path());
    EXPECT_FALSE(start(reread));
    EXPECT_EQ(readAll(leftOver), std::string(pending.begin(), pending.end()));
    // A file that cannot be replaced makes the save fail, visibly, and leaves
    // no temporary file behind.
    const std::string nativeConfig = toUtf8(replaceAll(configPath(), u"\\", u"/"));
    std::filesystem::remove(nativeConfig);
    ASSERT_TRUE(os::createFolder(configPath()));
    EXPECT_FALSE(store.save());
    EXPECT_EQ(os::listFiles(parentFolder(configPath())),
              std::vector<WideString>{fileNameOf(leftOver)});
    std::filesystem::remove(nativeConfig);
    EXPECT_TRUE(store.save());
    EXPECT_EQ(readAll(configPath()), std::string(pending.begin(), pending.end()));
}

} // namespace
} // namespace fw
