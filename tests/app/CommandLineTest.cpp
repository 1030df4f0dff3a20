#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(CommandLineTest, SplitsAsTheRuntimeDoes) {
    struct Case {
        WideStringView line;
        std::vector<WideString> arguments;
    } cases[] = {
        {u"\"C:\\Program Files\\Framewing.exe\" -capture  full",
         {u"C:\\Program Files\\Framewing.exe", u"-capture", u"full"}},
        {u"C:\\F\\Framewing.exe\t-show ", {u"C:\\F\\Framewing.exe", u"-show"}},
        {u"x.exe \"a b\" c\\\\\"d e\" f\\\"g h\\i",
         {u"x.exe", u"a b", u"c\\d e", u"f\"g", u"h\\i"}},
        {u"x.exe \"say \"\"hi\"\"\" \"\"", {u"x.exe", u"say \"hi\"", u""}},
        {u"", {u""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(splitCommandLine(c.line), c.arguments) << toUtf8(c.line);
    }
}

TEST(CommandLineTest, KnownCommandsAndTheAutorunSwitch) {
    struct Case {
        WideStringView line;
        Command command;
        bool autorun;
    } cases[] = {
        {u"x.exe", {}, false},
        {u"x.exe -capture full", {CommandKind::Capture, CaptureMode::FullScreen}, false},
        {u"x.exe -capture window", {CommandKind::Capture, CaptureMode::Window}, false},
        {u"x.exe -autorun -capture region", {CommandKind::Capture, CaptureMode::Region}, true},
        {u"x.exe -capture \"timer\" --x-autorunning",
         {CommandKind::Capture, CaptureMode::Timer},
         true},
        {u"x.exe -show", {CommandKind::Show, CaptureMode::Unknown}, false},
        {u"\"C:\\a -capture\\x.exe\" -exit", {CommandKind::Exit, CaptureMode::Unknown}, false},
    };
    for (const Case& c : cases) {
        const ParsedCommandLine parsed = parseCommandLine(c.line);
        EXPECT_TRUE(parsed.ok()) << toUtf8(c.line);
        EXPECT_EQ(parsed.command, c.command) << toUtf8(c.line);
        EXPECT_EQ(parsed.autorun, c.autorun) << toUtf8(c.line);
    }
}

TEST(CommandLineTest, UnknownRepeatedAndIncompleteArgumentsAreRefusedWithoutACommand) {
    struct Case {
        WideStringView line;
        CommandLineError error;
        WideStringView culprit;
    } cases[] = {
        {u"x.exe -capture", CommandLineError::MissingMode, u"-capture"},
        {u"x.exe -capture -show", CommandLineError::UnknownMode, u"-show"},
        {u"x.exe -capture Full", CommandLineError::UnknownMode, u"Full"},
        {u"x.exe -capture full -capture region", CommandLineError::SecondCommand, u"-capture"},
        {u"x.exe -show -show", CommandLineError::SecondCommand, u"-show"},
        {u"x.exe -exit -capture full", CommandLineError::SecondCommand, u"-capture"},
        {u"x.exe -capture full extra", CommandLineError::UnknownArgument, u"extra"},
        {u"x.exe /capture full", CommandLineError::UnknownArgument, u"/capture"},
        {u"x.exe -CAPTURE full", CommandLineError::UnknownArgument, u"-CAPTURE"},
        {u"x.exe \"-capture full\"", CommandLineError::UnknownArgument, u"-capture full"},
        {u"x.exe -AUTORUN", CommandLineError::UnknownArgument, u"-AUTORUN"},
        {u"x.exe \"\"", CommandLineError::UnknownArgument, u""},
    };
    for (const Case& c : cases) {
        const ParsedCommandLine parsed = parseCommandLine(c.line);
        EXPECT_EQ(parsed.error, c.error) << toUtf8(c.line);
        EXPECT_EQ(parsed.culprit, c.culprit) << toUtf8(c.line);
        EXPECT_EQ(parsed.command.kind, CommandKind::None) << toUtf8(c.line);
        const WideString text = commandLineErrorText(parsed);
        EXPECT_NE(text.find(u"Usage:"), WideString::npos) << toUtf8(text);
    }
}

TEST(CommandLineTest, MessageRoundTripsAndRefusesEverythingElse) {
    const Command commands[] = {{CommandKind::Capture, CaptureMode::FullScreen},
                                {CommandKind::Capture, CaptureMode::Timer},
                                {CommandKind::Show, CaptureMode::Unknown},
                                {CommandKind::Exit, CaptureMode::Unknown}};
    for (const Command& command : commands) {
        const std::vector<uint8_t> bytes = encodeCommand(command);
        ASSERT_EQ(bytes.size(), kCommandMessageSize);
        Command decoded;
        EXPECT_TRUE(decodeCommand(kCommandMessageTag, bytes.data(), bytes.size(), decoded));
        EXPECT_EQ(decoded, command);
    }

    const std::vector<uint8_t> good = encodeCommand({CommandKind::Capture, CaptureMode::Region});
    auto refused = [](uint32_t tag, std::vector<uint8_t> bytes) {
        Command decoded{CommandKind::Show, CaptureMode::Unknown};
        const bool ok = decodeCommand(tag, bytes.data(), bytes.size(), decoded);
        return !ok && decoded == Command{CommandKind::Show, CaptureMode::Unknown};
    };
    EXPECT_TRUE(refused(kCommandMessageTag + 1, good));
    EXPECT_TRUE(refused(kCommandMessageTag, {}));
    EXPECT_TRUE(refused(kCommandMessageTag, {good.begin(), good.end() - 1}));
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_TRUE(refused(kCommandMessageTag, longer));
    // Each field out of range: the size field, the command, the mode.
    for (auto [offset, value] : {std::pair{0, 13}, {4, 0}, {4, 4}, {4, 0x80}, {8, 0}, {8, 5}}) {
        std::vector<uint8_t> bad = good;
        bad[static_cast<size_t>(offset)] = static_cast<uint8_t>(value);
        EXPECT_TRUE(refused(kCommandMessageTag, bad)) << offset << " " << value;
    }
    std::vector<uint8_t> showWithMode = encodeCommand({CommandKind::Show, CaptureMode::Unknown});
    showWithMode[8] = 1;
    EXPECT_TRUE(refused(kCommandMessageTag, showWithMode));
    Command untouched;
    EXPECT_FALSE(decodeCommand(kCommandMessageTag, nullptr, kCommandMessageSize, untouched));
}

} // namespace
} // namespace fw
