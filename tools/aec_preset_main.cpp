// aec-preset: keep, inspect and share preset files from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "tools/preset_commands.h"

namespace {

constexpr const char* kUsage =
    "usage: aec-preset init FILE\n"
    "       aec-preset show FILE\n"
    "       aec-preset curve FILE PAGE [--right]\n"
    "       aec-preset plot FILE PAGE OUT.png [--size WxH]\n";

int Usage(const std::string& problem) {
    if (!problem.empty()) std::cerr << "aec-preset: " << problem << '\n';
    std::cerr << kUsage;
    return aec::tool::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Usage("");
    const std::string& command = args[0];
    if (command == "init" && args.size() == 2) return aec::tool::RunInit(args[1], std::cerr);
    if (command == "show" && args.size() == 2) {
        return aec::tool::RunShow(args[1], std::cout, std::cerr);
    }
    if (command == "init" || command == "show") return Usage("expected one FILE");
    return Usage("unknown command '" + command + "'");
}
