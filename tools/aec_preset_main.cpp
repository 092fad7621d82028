// aec-preset: keep, inspect and share preset files from the command line.
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "tools/preset_commands.h"
#include "tools/preset_plot.h"

namespace {

using namespace aec::tool;

constexpr const char* kUsage =
    "usage: aec-preset init FILE\n"
    "       aec-preset show FILE\n"
    "       aec-preset curve FILE PAGE [--right]\n"
    "       aec-preset plot FILE PAGE OUT.png [--right] [--size WxH]\n"
    "PAGE is a device page 0..27; --right shows the right music (0) or Dynamic EQ (1) set.\n";

// Qt's notes about the runtime environment of an off-screen run are no news to a user.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg) {
        return;
    }
    if (message.startsWith(QStringLiteral("QStandardPaths:"))) {
        return;
    }
    std::cerr << message.toStdString() << '\n';
}

int Usage(const std::string& problem) {
    if (!problem.empty()) {
        std::cerr << "aec-preset: " << problem << '\n';
    }
    std::cerr << kUsage;
    return kExitUsage;
}

// Positional arguments and options of one command line.
struct Arguments {
    std::vector<std::string> positional;
    bool right = false;
    std::optional<std::string> size;
    std::string problem;
};

Arguments Split(const std::vector<std::string>& args) {
    Arguments a;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--right") {
            a.right = true;
        } else if (args[i] == "--size" && i + 1 < args.size()) {
            a.size = args[++i];
        } else if (args[i].rfind("--size=", 0) == 0) {
            a.size = args[i].substr(7);
        } else if (args[i].rfind("--", 0) == 0) {
            a.problem = "unknown option '" + args[i] + "'";
        } else {
            a.positional.push_back(args[i]);
        }
    }
    return a;
}

// Runs curve or plot once their arguments are known to be sound.
int RunGraphCommand(const std::string& command, const Arguments& a) {
    const std::optional<int> page = ParsePage(a.positional[2]);
    if (!page) {
        return Usage("PAGE must be a number from 0 to 30");
    }
    const std::string problem = PageProblem(*page, a.right);
    if (!problem.empty()) {
        return Usage(problem);
    }
    if (command == "curve") {
        if (a.size) {
            return Usage("--size belongs to plot");
        }
        return RunCurve(a.positional[1], *page, a.right, std::cout, std::cerr);
    }
    PlotSize size{883, 268};
    if (a.size) {
        const std::optional<PlotSize> parsed = ParsePlotSize(*a.size);
        if (!parsed) {
            return Usage("--size must be WxH, from 64x32 to 8192x4096");
        }
        size = *parsed;
    }
    // Drawing text needs a GUI application; without a display it paints off screen.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") &&
        !std::getenv("WAYLAND_DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    qInstallMessageHandler(QuietMessages);
    int argc = 1;
    char name[] = "aec-preset";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    return RunPlot(a.positional[1], *page, a.right, a.positional[3], size, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    const Arguments a = Split(std::vector<std::string>(argv + 1, argv + argc));
    if (!a.problem.empty()) {
        return Usage(a.problem);
    }
    if (a.positional.empty()) {
        return Usage("");
    }
    const std::string& command = a.positional[0];
    const size_t count = a.positional.size();
    const bool simple = command == "init" || command == "show";
    if (simple && (count != 2 || a.right || a.size)) {
        return Usage("expected: " + command + " FILE");
    }
    if (command == "init") {
        return RunInit(a.positional[1], std::cerr);
    }
    if (command == "show") {
        return RunShow(a.positional[1], std::cout, std::cerr);
    }
    if (command == "curve" && count != 3) {
        return Usage("expected: curve FILE PAGE");
    }
    if (command == "plot" && count != 4) {
        return Usage("expected: plot FILE PAGE OUT.png");
    }
    if (command == "curve" || command == "plot") {
        return RunGraphCommand(command, a);
    }
    return Usage("unknown command '" + command + "'");
}
