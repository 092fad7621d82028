#pragma once
// The commands of aec-ctl as data: read from a command line or a line of a script, checked
// before anything is sent.

#include <optional>
#include <string>
#include <vector>

namespace aec::tool {

enum class CtlVerb {
    kPorts,
    kProbe,
    kGet,
    kSet,
    kDump,
    kUpload,
    kVerify,
    kModeList,
    kModeLoad,
    kModeSave,
    kBackup,
    kRestore,
    kRun,
};

struct CtlCommand {
    CtlVerb verb = CtlVerb::kProbe;
    int page = 0;   // get, set
    int slot = 0;   // get, set
    int value = 0;  // set; the mode number 1.. for mode load and mode save
    // The file or folder (dump, upload, verify, backup, restore, run) or the mode's name.
    std::string text;
    // The words as given, to name the command in messages.
    std::string line;
};

// A command, or the reason it is not one.
struct ParsedCommand {
    std::optional<CtlCommand> command;
    std::string problem;
};

// The usage text, one line per command.
extern const char* const kCtlCommandsUsage;

ParsedCommand parseCommand(const std::vector<std::string>& words);

// The words of a script line: blanks separate them, double quotes keep blanks inside one, and
// '#' outside quotes starts a comment. Nothing for an unterminated quote.
std::optional<std::vector<std::string>> splitScriptLine(const std::string& line);

// Whether the command talks to the processor (everything but ports and run).
bool needsProcessor(CtlVerb verb);

}  // namespace aec::tool
