#pragma once
// The commands of aec-preset that need no drawing: write, check and list presets.

#include <filesystem>
#include <iosfwd>

namespace aec::tool {

// Exit codes of the tool.
enum ExitCode : int { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// Writes the editor's start-up state (band defaults everywhere) as a preset.
int RunInit(const std::filesystem::path& file, std::ostream& err);
// Checks a preset like the editor's load and prints "page slot value" per record.
int RunShow(const std::filesystem::path& file, std::ostream& out, std::ostream& err);

}  // namespace aec::tool
