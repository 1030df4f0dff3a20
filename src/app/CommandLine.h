#pragma once
// The commands the program takes on its command line: one capture, showing the
// main window, ending the running instance; and the small message that carries
// a command from a second start to the running instance.
#include "capture/CaptureMode.h"
#include "platform/WideString.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw {

enum class CommandKind : uint32_t { None = 0, Capture = 1, Show = 2, Exit = 3 };

struct Command {
    CommandKind kind = CommandKind::None;
    CaptureMode mode = CaptureMode::Unknown; // a capture's mode, Unknown otherwise

    bool operator==(const Command&) const = default;
};

enum class CommandLineError {
    None,
    UnknownArgument,
    MissingMode,
    UnknownMode,
    SecondCommand,
};

struct ParsedCommandLine {
    Command command;
    bool autorun = false;
    CommandLineError error = CommandLineError::None;
    WideString culprit; // the argument at fault

    bool ok() const { return error == CommandLineError::None; }
};

// The arguments as the C runtime splits them; the program's own path first.
std::vector<WideString> splitCommandLine(WideStringView commandLine);

// The whole command line, program path included. Every argument must be known;
// an argument holding "-autorun" keeps its old meaning wherever it stands.
ParsedCommandLine parseCommandLine(WideStringView commandLine);

// One line for the console that says what is wrong and what is accepted.
WideString commandLineErrorText(const ParsedCommandLine& parsed);

// "full", "window", "region", "timer"; Unknown for anything else.
CaptureMode captureModeNamed(WideStringView name);

// The message between the two processes. The tag travels beside the bytes
// (the copy-data identifier) and changes with the layout.
constexpr uint32_t kCommandMessageTag = 0x46574331; // "FWC1"
constexpr size_t kCommandMessageSize = 12;
std::vector<uint8_t> encodeCommand(const Command& command);
// The bytes come from any process: false unless they are exactly one valid command.
bool decodeCommand(uint32_t tag, const uint8_t* bytes, size_t size, Command& command);

// The running instance's answer to a command.
enum class CommandAnswer : intptr_t { NotUnderstood = 0, Accepted = 1, Refused = 2 };

} // namespace fw
