#include "core/program_info.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace aec {
namespace {

constexpr ProgramAbout kAbout{"aec-tool", "usage: aec-tool FILE"};

TEST(ProgramInfo, VersionHasThreeNumbers) {
    const std::string version(programVersion());
    EXPECT_TRUE(std::count(version.begin(), version.end(), '.') == 2) << version;
    EXPECT_EQ(versionLine("aec-tool"), "aec-tool " + version);
}

TEST(ProgramInfo, AnswersHelpAndVersionWhereverTheyStand) {
    const std::string version = "aec-tool " + std::string(programVersion()) + "\n";
    struct Case {
        std::vector<std::string_view> args;
        std::optional<int> status;
        std::string out;
    };
    const Case cases[] = {
        {{}, std::nullopt, ""},
        {{"show", "file"}, std::nullopt, ""},
        {{"--versions"}, std::nullopt, ""},  // only the whole word counts
        {{"-version"}, std::nullopt, ""},
        {{"--version"}, 0, version},
        {{"show", "-v"}, 0, version},
        {{"-h"}, 0, "usage: aec-tool FILE\n" + version},
        {{"--version", "--help"}, 0, "usage: aec-tool FILE\n" + version},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        const std::optional<int> status = answerAboutRequest(kAbout, c.args, out);
        SCOPED_TRACE(c.args.empty() ? "(none)" : std::string(c.args.front()));
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(out.str(), c.out);
    }
}

}  // namespace
}  // namespace aec
