#pragma once
// Runs a built tool and captures what it prints.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace aec::test {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// `args` is appended to the command line as given, so callers quote what needs quoting;
// `prefix` goes before the program (another user, an environment).
inline ToolRun runProgram(const std::string& program, const std::string& args,
                          const std::filesystem::path& scratch, const std::string& prefix = {}) {
    const auto out = scratch / "stdout.txt";
    const auto err = scratch / "stderr.txt";
    const std::string command =
        prefix + " '" + program + "' " + args + " >'" + out.string() + "' 2>'" + err.string() + "'";
    const int status = std::system(command.c_str());
    ToolRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = slurp(out);
    run.err = slurp(err);
    return run;
}

#ifdef AEC_PRESET_BIN
inline ToolRun runTool(const std::string& args, const std::filesystem::path& scratch) {
    return runProgram(AEC_PRESET_BIN, args, scratch);
}
#endif

}  // namespace aec::test
