// aec-preset: keep, inspect and share preset files from the command line.
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/program_info.h"
#include "tools/preset_commands.h"
#include "tools/preset_plot.h"

namespace {

using namespace aec::tool;

constexpr const char* kUsage =
    "usage: aec-preset init FILE\n"
    "       aec-preset show FILE\n"
    "       aec-preset curve FILE PAGE [--right] [--csv|--frd]\n"
    "       aec-preset plot FILE PAGE OUT.png [--right] [--size WxH]\n"
    "       aec-preset --help | --version\n"
    "PAGE is a device page 0..27; --right shows the right music (0) or Dynamic EQ (1) set.\n"
    "curve prints \"frequency_hz<TAB>dB\" lines; --csv and --frd print CSV or FRD text.\n";

// Qt's notes about the runtime environment of an off-screen run are no news to a user.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg) {
        return;
    }
    if (message.startsWith(QStringLiteral("QStandardPaths:"))) {
        return;
    }
    std::cerr << message.toStdString() << '\n';
}

int usage(const std::string& problem) {
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
    std::optional<aec::CurveFormat> format;
    std::string problem;
};

Arguments split(const std::vector<std::string>& args) {
    Arguments a;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--right") {
            a.right = true;
        } else if (args[i] == "--csv" || args[i] == "--frd") {
            const aec::CurveFormat format =
                args[i] == "--csv" ? aec::CurveFormat::kCsv : aec::CurveFormat::kFrd;
            if (a.format && *a.format != format) {
                a.problem = "--csv and --frd exclude each other";
            }
            a.format = format;
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
int runGraphCommand(const std::string& command, const Arguments& a) {
    const std::optional<int> page = parsePage(a.positional[2]);
    if (!page) {
        return usage("PAGE must be a number from 0 to 30");
    }
    const std::string problem = pageProblem(*page, a.right);
    if (!problem.empty()) {
        return usage(problem);
    }
    if (command == "curve") {
        if (a.size) {
            return usage("--size belongs to plot");
        }
        return runCurve(a.positional[1], *page, a.right, a.format.value_or(aec::CurveFormat::kTab),
                        std::cout, std::cerr);
    }
    if (a.format) {
        return usage("--csv and --frd belong to curve");
    }
    PlotSize size{883, 268};
    if (a.size) {
        const std::optional<PlotSize> parsed = parsePlotSize(*a.size);
        if (!parsed) {
            return usage("--size must be WxH, from 64x32 to 8192x4096");
        }
        size = *parsed;
    }
    // Drawing text needs a GUI application; without a display it paints off screen.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") &&
        !std::getenv("WAYLAND_DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    qInstallMessageHandler(quietMessages);
    int argc = 1;
    char name[] = "aec-preset";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    return runPlot(a.positional[1], *page, a.right, a.positional[3], size, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> words(argv + 1, argv + argc);
    if (const auto status = aec::answerAboutRequest({"aec-preset", kUsage}, words, std::cout)) {
        return *status;
    }
    const Arguments a = split(std::vector<std::string>(argv + 1, argv + argc));
    if (!a.problem.empty()) {
        return usage(a.problem);
    }
    if (a.positional.empty()) {
        return usage("");
    }
    const std::string& command = a.positional[0];
    const size_t count = a.positional.size();
    const bool simple = command == "init" || command == "show";
    if (simple && (count != 2 || a.right || a.size || a.format)) {
        return usage("expected: " + command + " FILE");
    }
    if (command == "init") {
        return runInit(a.positional[1], std::cerr);
    }
    if (command == "show") {
        return runShow(a.positional[1], std::cout, std::cerr);
    }
    if (command == "curve" && count != 3) {
        return usage("expected: curve FILE PAGE");
    }
    if (command == "plot" && count != 4) {
        return usage("expected: plot FILE PAGE OUT.png");
    }
    if (command == "curve" || command == "plot") {
        return runGraphCommand(command, a);
    }
    return usage("unknown command '" + command + "'");
}
