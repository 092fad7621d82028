#include "tools/ctl_command.h"

#include <charconv>

#include "core/modes.h"
#include "core/pages.h"

namespace aec::tool {

const char* const kCtlCommandsUsage =
    "  ports                 list the serial ports the search walks\n"
    "  probe                 find the processor and read its settings\n"
    "  get PAGE SLOT         print one value\n"
    "  set PAGE SLOT VALUE   write one value and read it back\n"
    "  dump FILE             save the processor's settings as a preset file\n"
    "  upload FILE           send a preset file to the processor and verify it\n"
    "  verify FILE           compare the processor with a preset file\n"
    "  mode list             list the processor's modes\n"
    "  mode load N           load mode N (1-22) on the processor\n"
    "  mode save N NAME      save the current settings as user mode N (1-16)\n"
    "  backup DIR            save every user mode into a new folder under DIR\n"
    "  restore DIR           write the user modes of a backup folder back\n"
    "  run FILE|-            run one command per line from a file or standard input\n";

namespace {

std::optional<int> number(const std::string& text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

ParsedCommand fail(std::string problem) { return {std::nullopt, std::move(problem)}; }

// The verbs with a fixed number of arguments after them.
struct VerbShape {
    const char* name;
    CtlVerb verb;
    size_t words;  // the verb included
    const char* usage;
};

constexpr VerbShape kShapes[] = {
    {"ports", CtlVerb::kPorts, 1, "ports"},
    {"probe", CtlVerb::kProbe, 1, "probe"},
    {"get", CtlVerb::kGet, 3, "get PAGE SLOT"},
    {"set", CtlVerb::kSet, 4, "set PAGE SLOT VALUE"},
    {"dump", CtlVerb::kDump, 2, "dump FILE"},
    {"upload", CtlVerb::kUpload, 2, "upload FILE"},
    {"verify", CtlVerb::kVerify, 2, "verify FILE"},
    {"backup", CtlVerb::kBackup, 2, "backup DIR"},
    {"restore", CtlVerb::kRestore, 2, "restore DIR"},
    {"run", CtlVerb::kRun, 2, "run FILE|-"},
};

ParsedCommand parseMode(const std::vector<std::string>& w, CtlCommand c) {
    const std::string sub = w.size() > 1 ? w[1] : std::string();
    if (sub == "list" && w.size() == 2) {
        c.verb = CtlVerb::kModeList;
        return {c, {}};
    }
    if (sub == "load" && w.size() == 3) {
        const std::optional<int> n = number(w[2], 1, kModeCount);
        if (!n) {
            return fail("mode load: N must be a mode number from 1 to 22");
        }
        c.verb = CtlVerb::kModeLoad;
        c.value = *n;
        return {c, {}};
    }
    if (sub == "save" && w.size() == 3 + 1) {
        const std::optional<int> n = number(w[2], 1, kFirstFactoryMode);
        if (!n) {
            return fail("mode save: N must be a user mode from 1 to 16");
        }
        if (w[3].empty() || w[3].size() > static_cast<size_t>(kModeNameLength)) {
            return fail("mode save: NAME must have 1 to 20 characters");
        }
        c.verb = CtlVerb::kModeSave;
        c.value = *n;
        c.text = w[3];
        return {c, {}};
    }
    return fail("expected: mode list | mode load N | mode save N NAME");
}

}  // namespace

ParsedCommand parseCommand(const std::vector<std::string>& w) {
    if (w.empty()) {
        return fail("no command");
    }
    CtlCommand c;
    for (const std::string& word : w) {
        c.line += (c.line.empty() ? "" : " ") + word;
    }
    if (w[0] == "mode") {
        return parseMode(w, c);
    }
    for (const VerbShape& shape : kShapes) {
        if (w[0] != shape.name) {
            continue;
        }
        if (w.size() != shape.words) {
            return fail(std::string("expected: ") + shape.usage);
        }
        c.verb = shape.verb;
        if (shape.verb == CtlVerb::kGet || shape.verb == CtlVerb::kSet) {
            const std::optional<int> page = number(w[1], 0, kPageCount - 1);
            const std::optional<int> slot = number(w[2], 0, kSlotCount - 1);
            if (!page || !slot) {
                return fail("PAGE must be 0 to 30 and SLOT 0 to 164");
            }
            c.page = *page;
            c.slot = *slot;
        }
        if (shape.verb == CtlVerb::kSet) {
            const std::optional<int> value = number(w[3], 0, 0xFFFF);
            if (!value) {
                return fail("VALUE must be a number from 0 to 65535");
            }
            c.value = *value;
        } else if (shape.words == 2) {
            c.text = w[1];
        }
        return {c, {}};
    }
    return fail("unknown command '" + w[0] + "'");
}

std::optional<std::vector<std::string>> splitScriptLine(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (const char ch : line) {
        if (quoted) {
            if (ch == '"') {
                quoted = false;
            } else {
                word += ch;
            }
        } else if (ch == '"') {
            quoted = true;
            inWord = true;
        } else if (ch == '#') {
            break;
        } else if (ch == ' ' || ch == '\t' || ch == '\r') {
            if (inWord) {
                words.push_back(word);
                word.clear();
                inWord = false;
            }
        } else {
            word += ch;
            inWord = true;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

bool needsProcessor(CtlVerb verb) { return verb != CtlVerb::kPorts && verb != CtlVerb::kRun; }

}  // namespace aec::tool
