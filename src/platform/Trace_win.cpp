#include "platform/GdiObjects.h"
#include "platform/Handles_win.h"
#include "platform/Trace.h"
#include "platform/Win32.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace fw::os {

namespace {

struct Trace {
    std::wstring path;
    std::string lines;
};

Trace* openTrace() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableW(L"FRAMEWING_TRACE", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    static Trace trace{path, std::string()};
    return &trace;
}

// Null when tracing is off: the environment is read once.
Trace* trace() {
    static Trace* const current = openTrace();
    return current;
}

void addLine(Trace& trace, const char* name, double value) {
    char line[128];
    const int length = std::snprintf(line, sizeof(line), "%s %.3f\n", name, value);
    if (length > 0) {
        trace.lines.append(line, static_cast<size_t>(std::min<int>(length, sizeof(line) - 1)));
    }
}

double counterMilliseconds() {
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// The handles of this process in the system's handle table. Wine answers
// GetProcessHandleCount with 0 but lists the handles there.
int64_t handlesInSystemTable() {
    using Query = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    struct Entry {
        ULONG process;
        BYTE type;
        BYTE flags;
        USHORT handle;
        void* object;
        ACCESS_MASK access;
    };
    struct Table {
        ULONG count;
        Entry entries[1];
    };
    constexpr ULONG kSystemHandleInformation = 16;
    constexpr LONG kLengthMismatch = static_cast<LONG>(0xC0000004);
    std::vector<uint8_t> buffer(1 << 20);
    ULONG needed = 0;
    LONG status = kLengthMismatch;
    while (query && status == kLengthMismatch && buffer.size() <= (64u << 20)) {
        status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                       &needed);
        if (status == kLengthMismatch) {
            buffer.resize(buffer.size() * 2);
        }
    }
    if (!query || status != 0) {
        return -1;
    }
    ULONG count = 0;
    std::memcpy(&count, buffer.data(), sizeof(count));
    const size_t first = offsetof(Table, entries);
    const size_t fits = (buffer.size() - first) / sizeof(Entry);
    const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + first);
    int64_t mine = 0;
    for (size_t i = 0; i < count && i < fits; ++i) {
        mine += entries[i].process == ::GetCurrentProcessId() ? 1 : 0;
    }
    return mine;
}

// XP before its first service pack lacks GetProcessHandleCount.
int64_t processHandleCount() {
    using Function = BOOL(WINAPI*)(HANDLE, DWORD*);
    static const auto function = reinterpret_cast<Function>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "GetProcessHandleCount")));
    DWORD count = 0;
    if (function && function(::GetCurrentProcess(), &count) && count > 0) {
        return count;
    }
    return handlesInSystemTable();
}

} // namespace

void traceStep(const char* name) {
    if (Trace* current = trace()) {
        addLine(*current, name, counterMilliseconds());
    }
}

void traceHeldObjects() {
    if (Trace* current = trace()) {
        addLine(*current, "gdi-objects", gdiObjectCount());
        addLine(*current, "handles", static_cast<double>(processHandleCount()));
    }
}

void flushTrace() {
    Trace* current = trace();
    if (!current || current->lines.empty()) {
        return;
    }
    FileHandle file(::CreateFileW(current->path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file) {
        ::WriteFile(file.get(), current->lines.data(), static_cast<DWORD>(current->lines.size()),
                    &written, nullptr);
    }
    current->lines.clear();
}

} // namespace fw::os
