#include "app/CommandLine.h"

#include "platform/ByteOrder.h"

namespace fw {

namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

// The program path: up to the closing quote when quoted, else up to a blank;
// backslashes are path separators here, never escapes.
size_t skipProgramPath(WideStringView line, std::vector<WideString>& out) {
    size_t i = 0;
    WideString path;
    if (!line.empty() && line[0] == u'"') {
        for (i = 1; i < line.size() && line[i] != u'"'; ++i) {
            path.push_back(line[i]);
        }
        if (i < line.size()) {
            ++i;
        }
    } else {
        for (; i < line.size() && !isBlank(line[i]); ++i) {
            path.push_back(line[i]);
        }
    }
    out.push_back(std::move(path));
    return i;
}

// One argument from `i`: 2n backslashes before a quote give n and toggle
// quoting, 2n + 1 give n and a literal quote, "" inside quotes is one quote.
WideString nextArgument(WideStringView line, size_t& i) {
    WideString argument;
    bool quoted = false;
    while (i < line.size() && (quoted || !isBlank(line[i]))) {
        size_t backslashes = 0;
        while (i < line.size() && line[i] == u'\\') {
            ++backslashes;
            ++i;
        }
        if (i < line.size() && line[i] == u'"') {
            argument.append(backslashes / 2, u'\\');
            if (backslashes % 2 == 1) {
                argument.push_back(u'"');
            } else if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
                argument.push_back(u'"');
                ++i;
            } else {
                quoted = !quoted;
            }
            ++i;
        } else {
            argument.append(backslashes, u'\\');
            if (i < line.size() && (quoted || !isBlank(line[i]))) {
                argument.push_back(line[i]);
                ++i;
            }
        }
    }
    return argument;
}

struct CommandName {
    WideStringView name;
    CommandKind kind;
};
constexpr CommandName kCommands[] = {
    {u"-capture", CommandKind::Capture},
    {u"-show", CommandKind::Show},
    {u"-exit", CommandKind::Exit},
};

ParsedCommandLine failed(ParsedCommandLine parsed, CommandLineError error, WideStringView culprit) {
    parsed.error = error;
    parsed.culprit = WideString(culprit);
    parsed.command = Command{};
    return parsed;
}

} // namespace

std::vector<WideString> splitCommandLine(WideStringView commandLine) {
    std::vector<WideString> arguments;
    size_t i = skipProgramPath(commandLine, arguments);
    for (;;) {
        while (i < commandLine.size() && isBlank(commandLine[i])) {
            ++i;
        }
        if (i >= commandLine.size()) {
            return arguments;
        }
        arguments.push_back(nextArgument(commandLine, i));
    }
}

CaptureMode captureModeNamed(WideStringView name) {
    if (name == u"full") {
        return CaptureMode::FullScreen;
    }
    if (name == u"window") {
        return CaptureMode::Window;
    }
    if (name == u"region") {
        return CaptureMode::Region;
    }
    if (name == u"timer") {
        return CaptureMode::Timer;
    }
    return CaptureMode::Unknown;
}

ParsedCommandLine parseCommandLine(WideStringView commandLine) {
    const std::vector<WideString> arguments = splitCommandLine(commandLine);
    ParsedCommandLine parsed;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const WideString& argument = arguments[i];
        // The start-up entry and older shortcuts pass it; it is found anywhere.
        if (argument.find(u"-autorun") != WideString::npos) {
            parsed.autorun = true;
            continue;
        }
        const CommandName* known = nullptr;
        for (const CommandName& command : kCommands) {
            if (argument == command.name) {
                known = &command;
            }
        }
        if (!known) {
            return failed(parsed, CommandLineError::UnknownArgument, argument);
        }
        if (parsed.command.kind != CommandKind::None) {
            return failed(parsed, CommandLineError::SecondCommand, argument);
        }
        parsed.command.kind = known->kind;
        if (known->kind != CommandKind::Capture) {
            continue;
        }
        if (i + 1 == arguments.size()) {
            return failed(parsed, CommandLineError::MissingMode, argument);
        }
        parsed.command.mode = captureModeNamed(arguments[++i]);
        if (parsed.command.mode == CaptureMode::Unknown) {
            return failed(parsed, CommandLineError::UnknownMode, arguments[i]);
        }
    }
    return parsed;
}

WideString commandLineErrorText(const ParsedCommandLine& parsed) {
    const WideString quoted = u"\"" + parsed.culprit + u"\"";
    WideString problem;
    switch (parsed.error) {
    case CommandLineError::None:
        return WideString();
    case CommandLineError::UnknownArgument:
        problem = u"unknown argument " + quoted;
        break;
    case CommandLineError::MissingMode:
        problem = u"-capture needs a mode";
        break;
    case CommandLineError::UnknownMode:
        problem = u"unknown capture mode " + quoted;
        break;
    case CommandLineError::SecondCommand:
        problem = u"one command at a time, " + quoted + u" is one too many";
        break;
    }
    return u"Framewing: " + problem +
           u". Usage: Framewing.exe [-capture full|window|region|timer | -show | -exit]";
}

std::vector<uint8_t> encodeCommand(const Command& command) {
    std::vector<uint8_t> bytes;
    appendLittle32(bytes, static_cast<uint32_t>(kCommandMessageSize));
    appendLittle32(bytes, static_cast<uint32_t>(command.kind));
    appendLittle32(bytes, static_cast<uint32_t>(command.mode));
    return bytes;
}

bool decodeCommand(uint32_t tag, const uint8_t* bytes, size_t size, Command& command) {
    if (tag != kCommandMessageTag || bytes == nullptr || size != kCommandMessageSize ||
        readLittle32(bytes) != kCommandMessageSize) {
        return false;
    }
    const uint32_t kind = readLittle32(bytes + 4);
    const uint32_t mode = readLittle32(bytes + 8);
    Command decoded;
    switch (kind) {
    case static_cast<uint32_t>(CommandKind::Capture):
        if (mode < static_cast<uint32_t>(CaptureMode::FullScreen) ||
            mode > static_cast<uint32_t>(CaptureMode::Timer)) {
            return false;
        }
        decoded = Command{CommandKind::Capture, static_cast<CaptureMode>(mode)};
        break;
    case static_cast<uint32_t>(CommandKind::Show):
    case static_cast<uint32_t>(CommandKind::Exit):
        if (mode != 0) {
            return false;
        }
        decoded = Command{static_cast<CommandKind>(kind), CaptureMode::Unknown};
        break;
    default:
        return false;
    }
    command = decoded;
    return true;
}

} // namespace fw
