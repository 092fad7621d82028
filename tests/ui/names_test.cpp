// Each control of the main window is named once in the sources: its description. Everything
// else reaches it through what the description made (tables, lists, parts), never by name.
#include <QRegularExpression>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "editor_fixture.h"

namespace aec::test {
namespace {

// The sources that build and drive the main window; the link's folder holds the other two
// windows, whose controls have names of their own.
std::string windowSources() {
    std::string all;
    for (const char* folder : {"core", "eq", "presets", "ui", "app"}) {
        const auto root = std::filesystem::path(AEC_SOURCE_DIR) / folder;
        for (const auto& file : std::filesystem::recursive_directory_iterator(root)) {
            const auto ext = file.path().extension();
            if (ext == ".cpp" || ext == ".h") {
                std::ifstream in(file.path());
                std::stringstream text;
                text << in.rdbuf();
                all += text.str();
            }
        }
    }
    return all;
}

size_t count(const std::string& text, const std::string& needle) {
    size_t n = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) {
        ++n;
    }
    return n;
}

TEST(ControlNames, EachIsWrittenOnceOutsideTheTests) {
    testApplication();
    Model model;
    RecordingSink sink(model);
    ScriptedMessages messages;
    FakeAudioCapture audio;
    TForm1 window(model, sink, messages, audio);
    const std::string sources = windowSources();
    size_t checked = 0;
    for (QWidget* control : window.controls().all()) {
        const std::string name = control->objectName().toStdString();
        if (name.empty()) {
            continue;
        }
        // The crossover markers are named like the English captions of the crossover rows.
        const size_t captions = name == "HPF" || name == "LPF" ? 1 : 0;
        EXPECT_LE(count(sources, '"' + name + '"'), 1u + captions) << name;
        ++checked;
    }
    EXPECT_GT(checked, 1200u);
    // Band controls are named by patterns such as "MusFreEdit%1": each pattern once, too.
    const QRegularExpression pattern(QStringLiteral("\"([A-Za-z]+%1)\""));
    std::map<std::string, int> patterns;
    for (const auto& m : pattern.globalMatch(QString::fromStdString(sources))) {
        ++patterns[m.captured(1).toStdString()];
    }
    EXPECT_GT(patterns.size(), 60u);
    for (const auto& [p, n] : patterns) {
        EXPECT_EQ(n, 1) << p;
    }
}

}  // namespace
}  // namespace aec::test
