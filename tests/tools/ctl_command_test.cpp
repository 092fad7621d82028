// aec-ctl's command words: what is a command, and what is refused before anything is sent.
#include "tools/ctl_command.h"

#include <gtest/gtest.h>

namespace aec::tool {
namespace {

TEST(CtlCommand, WordsBecomeCommandsWithTheirArguments) {
    struct Case {
        std::vector<std::string> words;
        CtlVerb verb;
        int page, slot, value;
        const char* text;
    };
    const Case cases[] = {
        {{"ports"}, CtlVerb::kPorts, 0, 0, 0, ""},
        {{"get", "30", "164"}, CtlVerb::kGet, 30, 164, 0, ""},
        {{"set", "1", "10", "65535"}, CtlVerb::kSet, 1, 10, 65535, ""},
        {{"dump", "a b.Kvpx"}, CtlVerb::kDump, 0, 0, 0, "a b.Kvpx"},
        {{"run", "-"}, CtlVerb::kRun, 0, 0, 0, "-"},
        {{"mode", "list"}, CtlVerb::kModeList, 0, 0, 0, ""},
        {{"mode", "load", "22"}, CtlVerb::kModeLoad, 0, 0, 22, ""},
        {{"mode", "save", "16", "Twenty characters ok"},
         CtlVerb::kModeSave,
         0,
         0,
         16,
         "Twenty characters ok"},
    };
    for (const Case& c : cases) {
        const ParsedCommand parsed = parseCommand(c.words);
        ASSERT_TRUE(parsed.command) << c.words[0] << ": " << parsed.problem;
        EXPECT_EQ(parsed.command->verb, c.verb) << c.words[0];
        EXPECT_EQ(parsed.command->page, c.page) << c.words[0];
        EXPECT_EQ(parsed.command->slot, c.slot) << c.words[0];
        EXPECT_EQ(parsed.command->value, c.value) << c.words[0];
        EXPECT_EQ(parsed.command->text, c.text) << c.words[0];
    }
}

TEST(CtlCommand, WrongWordsAreRefusedWithTheReason) {
    struct Case {
        std::vector<std::string> words;
        const char* problem;
    };
    const Case cases[] = {
        {{}, "no command"},
        {{"reboot"}, "unknown command 'reboot'"},
        {{"get", "1"}, "expected: get PAGE SLOT"},
        {{"probe", "now"}, "expected: probe"},
        {{"get", "31", "0"}, "PAGE must be 0 to 30 and SLOT 0 to 164"},
        {{"get", "0", "165"}, "PAGE must be 0 to 30 and SLOT 0 to 164"},
        {{"get", "-1", "0"}, "PAGE must be 0 to 30 and SLOT 0 to 164"},
        {{"get", "1x", "0"}, "PAGE must be 0 to 30 and SLOT 0 to 164"},
        {{"set", "1", "1", "65536"}, "VALUE must be a number from 0 to 65535"},
        {{"mode"}, "expected: mode list | mode load N | mode save N NAME"},
        {{"mode", "load", "0"}, "mode load: N must be a mode number from 1 to 22"},
        {{"mode", "load", "23"}, "mode load: N must be a mode number from 1 to 22"},
        // Factory modes are never written.
        {{"mode", "save", "17", "x"}, "mode save: N must be a user mode from 1 to 16"},
        {{"mode", "save", "1", "Twenty-one characters"},
         "mode save: NAME must have 1 to 20 characters"},
        {{"mode", "save", "1", ""}, "mode save: NAME must have 1 to 20 characters"},
    };
    for (const Case& c : cases) {
        const ParsedCommand parsed = parseCommand(c.words);
        EXPECT_FALSE(parsed.command) << c.problem;
        EXPECT_EQ(parsed.problem, c.problem);
    }
}

TEST(CtlCommand, ScriptLinesSplitAtBlanksOutsideQuotes) {
    using Words = std::vector<std::string>;
    struct Case {
        const char* line;
        std::optional<Words> words;
    };
    const Case cases[] = {
        {"  set 1 10\t77\r", Words{"set", "1", "10", "77"}},
        {"mode save 3 \"My Mode\"  # the stage", Words{"mode", "save", "3", "My Mode"}},
        {"dump \"#1.Kvpx\"", Words{"dump", "#1.Kvpx"}},
        {"mode save 3 \"\"", Words{"mode", "save", "3", ""}},
        {"# only a comment", Words{}},
        {"", Words{}},
        {"mode save 3 \"open", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(splitScriptLine(c.line), c.words) << c.line;
    }
}

}  // namespace
}  // namespace aec::tool
