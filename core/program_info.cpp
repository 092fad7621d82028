#include "core/program_info.h"

#include <algorithm>

#include "aec_version.h"

namespace aec {

std::string_view programVersion() { return AEC_VERSION_TEXT; }

std::string versionLine(std::string_view name) {
    return std::string(name) + ' ' + std::string(programVersion());
}

std::optional<int> answerAboutRequest(const ProgramAbout& about,
                                      std::span<const std::string_view> args, std::ostream& out) {
    const auto asked = [&args](std::string_view lng, std::string_view shrt) {
        return std::any_of(args.begin(), args.end(),
                           [&](std::string_view a) { return a == lng || a == shrt; });
    };
    // Help wins when both are asked: it names the version too.
    if (asked("--help", "-h")) {
        out << about.usage;
        if (!about.usage.empty() && about.usage.back() != '\n') {
            out << '\n';
        }
        out << versionLine(about.name) << '\n';
        return 0;
    }
    if (asked("--version", "-v")) {
        out << versionLine(about.name) << '\n';
        return 0;
    }
    return std::nullopt;
}

}  // namespace aec
