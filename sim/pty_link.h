#pragma once
// A pseudo-terminal in raw mode, published as a link in a port directory so that the editor
// finds it among its serial ports.

#include <memory>
#include <string>

namespace aec {

class PtyLink {
  public:
    // Opens the pseudo-terminal and creates `directory`/`name` pointing at its slave side.
    // Returns nullptr with `error` filled when that fails (or the name is taken by a live link).
    static std::unique_ptr<PtyLink> open(const std::string& directory, const std::string& name,
                                         std::string& error);
    // Closes both sides and removes the link.
    ~PtyLink();
    PtyLink(const PtyLink&) = delete;
    PtyLink& operator=(const PtyLink&) = delete;

    // While refused, every open of the published port fails (the pseudo-terminal is locked),
    // as for a port another program holds; the line itself stays up.
    bool setOpenRefused(bool refused);

    // The processor's end: non-blocking, read what the editor sends, write replies.
    int masterFd() const { return m_master; }
    const std::string& slavePath() const { return m_slavePath; }
    const std::string& linkPath() const { return m_linkPath; }

  private:
    PtyLink() = default;

    int m_master = -1;
    // Held open so the line survives the editor closing and reopening its port.
    int m_slave = -1;
    std::string m_slavePath;
    std::string m_linkPath;
};

}  // namespace aec
