#pragma once
// What every program of the project says about itself: its version and its usage.

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace aec {

// The project's version, e.g. "0.1.0", the same for every program.
std::string_view programVersion();

// A program's name and the usage shown for --help (its first line names the program).
struct ProgramAbout {
    std::string_view name;
    std::string_view usage;
};

// The line shown for --version: "<name> <version>".
std::string versionLine(std::string_view name);

// Answers --version (-v) or --help (-h) anywhere on the command line (the arguments after the
// program's name): writes the version line or the usage to `out` and gives exit status 0.
// Gives nothing when neither is asked, so the program goes on as usual.
std::optional<int> answerAboutRequest(const ProgramAbout& about,
                                      std::span<const std::string_view> args, std::ostream& out);

}  // namespace aec
