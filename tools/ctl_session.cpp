#include "tools/ctl_session.h"

#include <QDateTime>
#include <fstream>
#include <istream>
#include <ostream>

#include "core/addresses.h"
#include "link/backup_texts.h"
#include "link/mode_steps.h"
#include "link/port_enumeration.h"
#include "link/read_back.h"
#include "link/upload_check.h"
#include "presets/backup_folder.h"
#include "presets/mode_list.h"
#include "presets/preset_file.h"
#include "tools/ctl_link.h"

namespace aec::tool {

namespace {

constexpr int kEnglish = 0;
// Bounds of the waits: each is far above what a processor that answers needs.
constexpr int kSettleMs = 120000;
constexpr int kReadBackMs = 120000;
constexpr int kModeWorkMs = 60 * 60 * 1000;

int currentMode(const Model& model) { return model.param(kPageSystem, slotOf(kLoadModeAddress)); }

std::string trimmed(const std::string& name) {
    const size_t end = name.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

std::string presetProblem(const std::string& file, const PresetResult& result) {
    std::string text = file + ": " + presetMessage(result.error, kEnglish);
    if (result.line >= 0) {
        text += " (line " + std::to_string(result.line + 1) + ")";
    }
    return text;
}

}  // namespace

CtlSession::CtlSession(std::vector<std::string> ports, std::istream& in, std::ostream& out,
                       std::ostream& err)
    : m_ports(std::move(ports)), m_in(in), m_out(out), m_err(err) {}

CtlSession::~CtlSession() { finish(); }

void CtlSession::finish() {
    if (m_link) {
        m_link->unlink();
    }
}

int CtlSession::failed(const std::string& what) {
    m_err << "aec-ctl: " << what << '\n';
    return kCtlFailed;
}

bool CtlSession::ensureLinked() {
    if (m_link) {
        return m_link->connection().state().onLine();
    }
    if (m_linkFailed) {
        return false;
    }
    m_link = std::make_unique<CtlLink>(m_model, m_ports);
    m_err << "aec-ctl: looking for the processor"
          << (m_ports.empty() ? std::string() : " on " + m_ports.front()) << "...\n";
    if (!m_link->linkUp(m_err)) {
        m_link.reset();
        m_linkFailed = true;
        return false;
    }
    m_err << "aec-ctl: on line on " << m_link->portName() << '\n';
    return true;
}

int CtlSession::execute(const CtlCommand& c) {
    if (c.verb == CtlVerb::kPorts) {
        return ports();
    }
    if (c.verb == CtlVerb::kRun) {
        if (m_inScript) {
            return failed("run: a script cannot run another script");
        }
        return runScript(c.text);
    }
    if (!ensureLinked()) {
        return failed(c.line + ": the processor is not on line");
    }
    switch (c.verb) {
        case CtlVerb::kProbe:
            return probe();
        case CtlVerb::kGet:
            return get(c);
        case CtlVerb::kSet:
            return set(c);
        case CtlVerb::kDump:
            return dump(c.text);
        case CtlVerb::kUpload:
            return upload(c.text);
        case CtlVerb::kVerify:
            return verify(c.text);
        case CtlVerb::kModeList:
            return modeList();
        case CtlVerb::kModeLoad:
            return modeLoad(c.value);
        case CtlVerb::kModeSave:
            return modeSave(c.value, c.text);
        case CtlVerb::kBackup:
            return backup(c.text);
        case CtlVerb::kRestore:
            return restore(c.text);
        case CtlVerb::kPorts:
        case CtlVerb::kRun:
            break;
    }
    return kCtlFailed;
}

// Each line is one command; a line that is not a command fails like a command that fails.
int CtlSession::runScript(const std::string& source) {
    std::ifstream file;
    if (source != "-") {
        file.open(source);
        if (!file) {
            return failed("run: cannot read " + source);
        }
    }
    std::istream& in = source == "-" ? m_in : file;
    m_inScript = true;
    int result = kCtlOk;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::optional<std::vector<std::string>> words = splitScriptLine(line);
        if (words && words->empty()) {
            continue;
        }
        const ParsedCommand parsed =
            words ? parseCommand(*words) : ParsedCommand{std::nullopt, "unterminated quote"};
        const std::string where = "line " + std::to_string(number) + ": ";
        int code = kCtlUsage;
        if (parsed.command) {
            code = execute(*parsed.command);
        } else {
            m_err << "aec-ctl: " << where << parsed.problem << '\n';
        }
        if (code != kCtlOk) {
            m_err << "aec-ctl: " << where << "failed: " << line << '\n';
            result = result == kCtlOk ? code : result;
            if (!m_keepGoing) {
                break;
            }
        }
    }
    m_inScript = false;
    return result;
}

int CtlSession::ports() {
    const QStringList names = enumeratePorts();
    for (const QString& name : names) {
        m_out << name.toStdString() << '\n';
    }
    return kCtlOk;
}

int CtlSession::probe() {
    m_out << m_link->portName() << ": on line, mode " << currentMode(m_model) + 1 << '\n';
    return kCtlOk;
}

int CtlSession::get(const CtlCommand& c) {
    m_out << m_model.param(c.page, c.slot) << '\n';
    return kCtlOk;
}

int CtlSession::set(const CtlCommand& c) {
    const int address = makeAddress(c.page, c.slot);
    m_model.setParam(c.page, c.slot, c.value);
    m_link->connection().scheduler().SendDeviceValuePaced(address, c.value);
    if (!settle(kSettleMs)) {
        return failed(c.line + ": the processor did not acknowledge the value");
    }
    if (!readBackSlot(address)) {
        m_err << "aec-ctl: " << c.line
              << ": acknowledged; the processor cannot be asked for this value\n";
        return kCtlOk;
    }
    return compareWithProcessor(m_model.paramStore());
}

int CtlSession::dump(const std::string& file) {
    const PresetResult saved = savePresetFile(file, m_model);
    if (!saved.ok()) {
        return failed(presetProblem(file, saved));
    }
    // The file is read back as the editor would load it.
    const ParsedPreset check = parsePresetFile(file);
    if (!check.result.ok() || !changedRecords(check.records, m_model).empty()) {
        return failed(file + ": the file written does not read back as saved");
    }
    m_out << "saved " << file << '\n';
    return kCtlOk;
}

int CtlSession::upload(const std::string& file) {
    const ParsedPreset parsed = parsePresetFile(file);
    if (!parsed.result.ok()) {
        return failed(presetProblem(file, parsed.result));
    }
    applyPreset(parsed.records, m_model);
    m_err << "aec-ctl: uploading " << file << "...\n";
    ModeSteps(m_model, m_link->connection()).upload();
    if (!settle(kSettleMs)) {
        return failed("upload: the processor stopped answering");
    }
    const int result = compareWithProcessor(m_model.paramStore());
    if (result == kCtlOk) {
        m_out << "uploaded and verified " << file << '\n';
    }
    return result;
}

int CtlSession::verify(const std::string& file) {
    const ParsedPreset parsed = parsePresetFile(file);
    if (!parsed.result.ok()) {
        return failed(presetProblem(file, parsed.result));
    }
    Store expected = m_model.paramStore();
    for (const PresetRecord& r : parsed.records) {
        expected[static_cast<size_t>(pageOf(r.address))][static_cast<size_t>(slotOf(r.address))] =
            r.value;
    }
    const int result = compareWithProcessor(expected);
    if (result == kCtlOk) {
        m_out << "the processor holds " << file << '\n';
    }
    return result;
}

int CtlSession::modeList() {
    const int current = currentMode(m_model);
    for (int i = 0; i < kModeCount; ++i) {
        m_out << (i == current ? "* " : "  ")
              << modeItemText(i, trimmed(m_model.modeNames[static_cast<size_t>(i)])) << '\n';
    }
    return kCtlOk;
}

int CtlSession::modeLoad(int mode) {
    m_err << "aec-ctl: loading mode " << mode << "...\n";
    ModeSteps(m_model, m_link->connection()).loadMode(mode - 1);
    if (!settle(kSettleMs)) {
        return failed("mode load: the processor stopped answering");
    }
    if (currentMode(m_model) != mode - 1) {
        return failed("mode load: the processor reports mode " +
                      std::to_string(currentMode(m_model) + 1));
    }
    m_out << "mode " << mode << " loaded\n";
    return kCtlOk;
}

// The name is checked in the mode names a full load reads afresh.
int CtlSession::modeSave(int mode, const std::string& name) {
    Connection& connection = m_link->connection();
    if (!ModeSteps(m_model, connection).saveMode(mode - 1, name)) {
        return failed("mode save: the record could not be written");
    }
    if (!settle(kSettleMs)) {
        return failed("mode save: the processor did not acknowledge the save");
    }
    m_model.modeNames[static_cast<size_t>(mode - 1)].clear();
    connection.LinkEvent(LinkEventKind::kReload);
    if (!settle(kSettleMs)) {
        return failed("mode save: the processor stopped answering");
    }
    if (trimmed(m_model.modeNames[static_cast<size_t>(mode - 1)]) != name) {
        return failed("mode save: the processor holds another name for mode " +
                      std::to_string(mode));
    }
    m_out << "mode " << mode << " saved as " << name << '\n';
    return kCtlOk;
}

int CtlSession::backup(const std::string& root) {
    const QDateTime now = QDateTime::currentDateTime();
    const BackupStamp stamp{now.date().year(), now.date().month(), now.date().day(),
                            now.time().hour(), now.time().minute()};
    const std::optional<std::filesystem::path> folder = makeBackupFolder(root, stamp);
    if (!folder) {
        return failed("backup: cannot make a folder in " + root);
    }
    ModeBackup work(m_model, m_link->connection());
    work.start(*folder, backupDateText(stamp));
    int shown = -1;
    m_link->waitUntil([&] { return !work.running(); }, kModeWorkMs,
                      [&] {
                          work.tick();
                          if (work.running() && work.modesDone() != shown) {
                              shown = work.modesDone();
                              m_err << "aec-ctl: "
                                    << (work.returning()
                                            ? std::string(backup_text::kPuttingBack.en)
                                            : progressText(backup_text::kBackingUp, shown + 1,
                                                           ModeBackup::modeCount(), kEnglish))
                                    << '\n';
                          }
                      });
    const BackupReport& report = work.report();
    m_out << backupSummary(report, kEnglish) << '\n';
    return report.outcome == BackupOutcome::kDone && report.putBack ? kCtlOk : kCtlFailed;
}

int CtlSession::restore(const std::string& folder) {
    const BackupContents contents = readBackupFolder(folder);
    std::vector<RestoreItem> items;
    std::vector<std::string> damaged;
    for (const BackupMode& m : contents.modes) {
        if (m.result.ok()) {
            items.push_back({m.entry.mode - 1, m.entry.name, m.records});
        } else {
            damaged.push_back(m.entry.file);
        }
    }
    if (!contents.index.ok() || items.empty()) {
        return failed("restore: " + folder + " holds no usable backup");
    }
    ModeRestore work(m_model, m_link->connection());
    work.start(std::move(items));
    int shown = -1;
    m_link->waitUntil([&] { return !work.running(); }, kModeWorkMs,
                      [&] {
                          work.tick();
                          if (work.running() && work.modesDone() != shown) {
                              shown = work.modesDone();
                              m_err << "aec-ctl: "
                                    << progressText(backup_text::kRestoring,
                                                    std::min(shown + 1, work.modeCount()),
                                                    work.modeCount(), kEnglish)
                                    << '\n';
                          }
                      });
    m_out << restoreSummary(work.outcome(), work.results(), damaged, kEnglish) << '\n';
    bool all = work.outcome() == RestoreOutcome::kDone && damaged.empty();
    for (const RestoreResult& r : work.results()) {
        all = all && r.status == RestoreStatus::kRestored;
    }
    return all ? kCtlOk : kCtlFailed;
}

bool CtlSession::settle(int timeoutMs) {
    const ModeSteps steps(m_model, m_link->connection());
    m_link->waitUntil([&] { return steps.idle() || steps.linkGone(); }, timeoutMs);
    return steps.idle();
}

int CtlSession::compareWithProcessor(const Store& expected) {
    Connection& c = m_link->connection();
    ReadBack read(c.state(), c.sender(), c.receiver());
    if (!read.start()) {
        return failed("verify: the processor is not on line");
    }
    m_link->waitUntil([&] { return !read.running(); }, kReadBackMs, [&] { read.tick(); });
    if (read.status() != ReadBackStatus::kDone) {
        read.cancel();
        return failed("verify: the processor did not send back its settings");
    }
    const std::vector<ValueDifference> differences = compareUpload(expected, read.values());
    for (const ValueDifference& d : differences) {
        m_err << "  page " << d.page << " slot " << d.slot << ": " << differenceText(d, kEnglish)
              << '\n';
    }
    if (!differences.empty()) {
        return failed("verify: the processor differs in " + std::to_string(differences.size()) +
                      " values");
    }
    return kCtlOk;
}

}  // namespace aec::tool
