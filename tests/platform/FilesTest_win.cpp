// Saves next to other programs that hold the same file open for a moment.
#include "platform/Files.h"
#include "platform/Win32.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace fw {
namespace {

std::string readText(WideStringView path) {
    Bytes contents;
    os::readFile(path, contents);
    return std::string(contents.begin(), contents.end());
}

DWORD WINAPI closeAfterAMoment(void* handle) {
    ::Sleep(60);
    ::CloseHandle(static_cast<HANDLE>(handle));
    return 0;
}

TEST(FilesTest, AnAtomicSaveOutwaitsAReaderThatHoldsTheFileForAMoment) {
    TempFolder temp("held");
    const WideString path = joinPath(temp.path(), u"config.dat");
    ASSERT_TRUE(os::writeFileAtomic(path, "old", 3));
    // A scanner that opens without delete sharing lets go after a moment.
    HANDLE foreign = ::CreateFileW(reinterpret_cast<LPCWSTR>(path.c_str()), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(foreign, INVALID_HANDLE_VALUE);
    HANDLE scanner = ::CreateThread(nullptr, 0, closeAfterAMoment, foreign, 0, nullptr);
    ASSERT_NE(scanner, nullptr);
    const bool saved = os::writeFileAtomic(path, "new", 3);
    ::WaitForSingleObject(scanner, INFINITE);
    ::CloseHandle(scanner);
    EXPECT_TRUE(saved);
    EXPECT_EQ(readText(path), "new");
    EXPECT_EQ(os::listFiles(temp.path()).size(), 1u);
}

} // namespace
} // namespace fw
