#pragma once
// Runs aec-ctl's commands on one processor: links up at the first command that needs it, then
// does each command and checks its result on the processor itself.

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "core/model.h"
#include "tools/ctl_command.h"

namespace aec::tool {

class CtlLink;

// Exit codes of aec-ctl.
enum CtlExit : int { kCtlOk = 0, kCtlFailed = 1, kCtlUsage = 2 };

class CtlSession {
  public:
    // `ports` empty: the search finds the processor. Results go to `out`, progress and
    // failures to `err`; `in` is the script of "run -".
    CtlSession(std::vector<std::string> ports, std::istream& in, std::ostream& out,
               std::ostream& err);
    ~CtlSession();
    CtlSession(const CtlSession&) = delete;
    CtlSession& operator=(const CtlSession&) = delete;

    // A failing line of a script stops it unless this is set.
    void setKeepGoing(bool keepGoing) { m_keepGoing = keepGoing; }
    // kCtlOk when the command was done and verified.
    int execute(const CtlCommand& command);
    // Says goodbye to the processor.
    void finish();

  private:
    bool ensureLinked();
    int runScript(const std::string& source);
    int ports();
    int probe();
    int get(const CtlCommand& c);
    int set(const CtlCommand& c);
    int dump(const std::string& file);
    int upload(const std::string& file);
    int verify(const std::string& file);
    int modeList();
    int modeLoad(int mode);
    int modeSave(int mode, const std::string& name);
    int backup(const std::string& root);
    int restore(const std::string& folder);
    // Waits until the processor answered everything sent; false when the link went.
    bool settle(int timeoutMs);
    // Reads pages 0-29 back and compares them with `expected`; prints the differences.
    int compareWithProcessor(const Store& expected);
    int failed(const std::string& what);

    std::vector<std::string> m_ports;
    std::istream& m_in;
    std::ostream& m_out;
    std::ostream& m_err;
    Model m_model;
    std::unique_ptr<CtlLink> m_link;
    bool m_linkFailed = false;
    bool m_keepGoing = false;
    bool m_inScript = false;
};

}  // namespace aec::tool
