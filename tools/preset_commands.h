#pragma once
// The commands of aec-preset that need no drawing: write, check and list presets, and print a
// page's response curve.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "eq/curve_export.h"

namespace aec {
class Model;
}

namespace aec::tool {

// Exit codes of the tool.
enum ExitCode : int { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// Writes the editor's start-up state (band defaults everywhere) as a preset.
int runInit(const std::filesystem::path& file, std::ostream& err);
// Checks a preset like the editor's load and prints "page slot value" per record.
int runShow(const std::filesystem::path& file, std::ostream& out, std::ostream& err);

// Prints the summed response of a device page, one line per grid point in `format`.
int runCurve(const std::filesystem::path& file, int page, bool right, CurveFormat format,
             std::ostream& out, std::ostream& err);

// A page number 0..30, or nothing.
std::optional<int> parsePage(const std::string& text);
// Why a page cannot be drawn (no graph, or --right on a page without a right set), or empty.
std::string pageProblem(int page, bool right);

// Loads a preset into a fresh model; on failure prints the message and returns false.
bool loadForGraph(const std::filesystem::path& file, Model& model, std::ostream& err);

}  // namespace aec::tool
