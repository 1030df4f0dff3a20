#include "app/AppHost.h"
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/Startup.h"
#include "platform/Handles_win.h"
#include "platform/Thread.h"
#include "platform/Win32.h"
#include "resources/DataPack.h"
#include "resources/StyleResources.h"

namespace fw {

namespace {

bool writeTo(HANDLE output, const WideString& text) {
    if (output == nullptr || output == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (::GetConsoleMode(output, &mode)) {
        return ::WriteConsoleW(output, wide(text), static_cast<DWORD>(text.size()), &written,
                               nullptr) != 0;
    }
    // Redirected to a file or a pipe.
    const std::string bytes = toUtf8(text);
    return ::WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) !=
           0;
}

// Ends this start with a command: passes it on and tells how it went.
int passCommand(const AppHost& host, const Command& command) {
    switch (host.sendCommand(command)) {
    case CommandAnswer::Accepted:
        return 0;
    case CommandAnswer::Refused:
        writeToConsole(u"Framewing: the running instance refused the command (a capture is in "
                       u"progress, one of its windows is open, or the disk is full).");
        return 1;
    case CommandAnswer::NotUnderstood:
        break;
    }
    writeToConsole(u"Framewing: the running instance did not answer the command.");
    return 1;
}

} // namespace

void writeToConsole(WideStringView line) {
    const WideString text = WideString(line) + u"\r\n";
    if (writeTo(::GetStdHandle(STD_ERROR_HANDLE), text)) {
        return;
    }
    // Windows 2000 has no AttachConsole.
    using AttachConsoleFunction = BOOL(WINAPI*)(DWORD);
    const auto attach = reinterpret_cast<AttachConsoleFunction>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "AttachConsole")));
    if (!attach || !attach(ATTACH_PARENT_PROCESS)) {
        return;
    }
    FileHandle console(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                     nullptr));
    writeTo(console.get(), text);
    console.reset();
    ::FreeConsole();
}

int runFramewing() {
    ProductStrings strings{u"Vornhal Software", u"Framewing", u"Framewing Screenshot Tool",
                           u"Framewing"};
    AppHost host(strings);
    if (!AppHost::isSupportedWindows()) {
        return -1;
    }
    const ParsedCommandLine parsed = parseCommandLine(host.commandLine());
    if (!parsed.ok()) {
        writeToConsole(commandLineErrorText(parsed));
        return 1;
    }
    const Command& command = parsed.command;
    if (host.isAnotherInstanceRunning()) {
        if (command.kind == CommandKind::None) {
            host.signalRunningInstance();
            return -1;
        }
        return passCommand(host, command);
    }
    if (command.kind == CommandKind::Exit) {
        writeToConsole(u"Framewing: there is no running instance to end.");
        return 1;
    }
    host.copyAboutNames();
    if (!mountDataPack(u"data") || !loadStyleResources(u"default")) {
        return -1;
    }
    // Worker threads announce their start and end to this window.
    os::ThreadMonitor threadMonitor;
    int exitCode = 0;
    {
        Application application(host);
        application.start();
        if (command.kind != CommandKind::None) {
            application.runCommand(command);
        }
        exitCode = host.run();
    }
    return exitCode;
}

} // namespace fw
