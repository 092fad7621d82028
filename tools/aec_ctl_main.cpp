// aec-ctl: the processor from the command line, on the editor's own link.
#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

#include "core/program_info.h"
#include "tools/ctl_command.h"
#include "tools/ctl_session.h"

namespace {

using namespace aec::tool;

void printUsage(std::ostream& out) {
    out << "usage: aec-ctl [--port NAME]... [--keep-going] COMMAND [ARGUMENTS]\n"
           "commands:\n"
        << kCtlCommandsUsage
        << "options:\n"
           "  --port NAME     the processor's port (repeatable: each processor in turn);\n"
           "                  without it the editor's search finds the processor\n"
           "  --keep-going    a script goes on after a failing line (it still fails)\n"
           "  --help, --version\n"
           "exit status: 0 everything done and verified, 1 something failed, 2 usage error\n";
}

int usage(const std::string& problem) {
    std::cerr << "aec-ctl: " << problem << '\n';
    printUsage(std::cerr);
    return kCtlUsage;
}

struct Arguments {
    std::vector<std::string> ports;
    std::vector<std::string> words;
    bool keepGoing = false;
    bool help = false;
    bool version = false;
    std::string problem;
};

// Options may stand anywhere before the command's own words; "--" ends them.
Arguments split(const std::vector<std::string>& args) {
    Arguments a;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!a.words.empty() && a.words.front() != "--") {
            if (arg.rfind("--", 0) != 0 || arg == "--") {
                a.words.push_back(arg);
                continue;
            }
        }
        if (arg == "--port" && i + 1 < args.size()) {
            a.ports.push_back(args[++i]);
        } else if (arg.rfind("--port=", 0) == 0) {
            a.ports.push_back(arg.substr(7));
        } else if (arg == "--keep-going") {
            a.keepGoing = true;
        } else if (arg == "--help" || arg == "-h") {
            a.help = true;
        } else if (arg == "--version") {
            a.version = true;
        } else if (arg.rfind("--", 0) == 0 || (arg.size() > 1 && arg[0] == '-')) {
            a.problem = "unknown option '" + arg + "'";
        } else {
            a.words.push_back(arg);
        }
    }
    return a;
}

// One processor: every command, then goodbye.
int runOnPort(const std::vector<std::string>& ports, const CtlCommand& command, bool keepGoing) {
    CtlSession session(ports, std::cin, std::cout, std::cerr);
    session.setKeepGoing(keepGoing);
    const int result = session.execute(command);
    session.finish();
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Arguments a = split(std::vector<std::string>(argv + 1, argv + argc));
    if (!a.problem.empty()) {
        return usage(a.problem);
    }
    if (a.help) {
        printUsage(std::cout);
        return kCtlOk;
    }
    if (a.version) {
        std::cout << aec::versionLine("aec-ctl") << '\n';
        return kCtlOk;
    }
    const ParsedCommand parsed = parseCommand(a.words);
    if (!parsed.command) {
        return usage(parsed.problem);
    }
    if (parsed.command->verb == CtlVerb::kRun && parsed.command->text == "-" &&
        a.ports.size() > 1) {
        return usage("run - reads standard input once; give a script file for several ports");
    }
    if (a.ports.size() <= 1) {
        return runOnPort(a.ports, *parsed.command, a.keepGoing);
    }
    int result = kCtlOk;
    std::vector<std::pair<std::string, int>> summary;
    for (const std::string& port : a.ports) {
        std::cerr << "aec-ctl: == " << port << " ==\n";
        const int code = runOnPort({port}, *parsed.command, a.keepGoing);
        summary.emplace_back(port, code);
        result = result == kCtlOk ? code : result;
    }
    std::cout << "summary:\n";
    for (const auto& [port, code] : summary) {
        std::cout << "  " << port << ": " << (code == kCtlOk ? "ok" : "failed") << '\n';
    }
    return result;
}
