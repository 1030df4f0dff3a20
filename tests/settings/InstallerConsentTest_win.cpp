// The installer's statistics consent in the real registry: a value of any type
// and size turns sending on once and is removed.
#include "platform/Win32.h"
#include "settings/SettingsModel.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

constexpr wchar_t kKey[] = L"Software\\Vornhal Software\\Framewing";
constexpr wchar_t kValue[] = L"InstallationEnableStatistics";

bool writeValue(DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                          nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LONG status =
        ::RegSetValueExW(key, kValue, 0, type, static_cast<const BYTE*>(data), size);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

TEST(InstallerConsentTest, AnyTypeOfValueIsTakenOnce) {
    const DWORD number = 1;
    const uint64_t wideNumber = 1;
    const wchar_t text[] = L"1";
    const wchar_t strings[] = L"yes\0please\0";
    const uint8_t bytes[3000] = {1};
    struct Case {
        const char* what;
        DWORD type;
        const void* data;
        DWORD size;
    };
    const Case cases[] = {
        {"dword", REG_DWORD, &number, sizeof number},
        {"string", REG_SZ, text, sizeof text},
        {"qword", REG_QWORD, &wideNumber, sizeof wideNumber},
        {"binary", REG_BINARY, bytes, 16},
        {"multi-string", REG_MULTI_SZ, strings, sizeof strings},
        {"empty", REG_NONE, nullptr, 0},
        {"longer than 2048 bytes", REG_BINARY, bytes, sizeof bytes},
    };
    const SettingsEnvironment system = SettingsEnvironment::system();
    EXPECT_FALSE(system.takeInstallerStatisticsConsent());
    for (const Case& c : cases) {
        ASSERT_TRUE(writeValue(c.type, c.data, c.size)) << c.what;
        EXPECT_TRUE(system.takeInstallerStatisticsConsent()) << c.what;
        EXPECT_FALSE(system.takeInstallerStatisticsConsent()) << c.what;
    }
}

} // namespace
} // namespace fw
