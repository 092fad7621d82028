#pragma once
// Changes made while the editor has no link, kept so that they can be sent once it links:
// each device address once, in the order of its first change, with its latest value.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/addresses.h"
#include "core/pages.h"

namespace aec {

struct OfflineEdit {
    int address = 0;  // device address, page * 256 + slot
    int32_t value = 0;
    bool operator==(const OfflineEdit&) const = default;
};

class OfflineEdits {
  public:
    // Settings are kept: the audio pages, the input selection and the music input level. Mode
    // commands, passwords and protocol requests are not changes to send later.
    static bool keeps(int address) {
        return address < kPageSystem * 256 || address == kInputSelectAddress ||
               address == kMusicInputLevelAddress;
    }
    void record(int address, int32_t value) {
        if (!keeps(address)) {
            return;
        }
        const auto [at, added] = m_index.try_emplace(address, m_edits.size());
        if (added) {
            m_edits.push_back({address, value});
        } else {
            m_edits[at->second].value = value;
        }
    }
    const std::vector<OfflineEdit>& edits() const { return m_edits; }
    bool empty() const { return m_edits.empty(); }
    int count() const { return static_cast<int>(m_edits.size()); }
    void clear() {
        m_edits.clear();
        m_index.clear();
    }

    // One "address value" line per edit, in order, for keeping them between runs.
    std::string text() const;
    // Records the edits of such a text; lines that are not two numbers of a kept setting are
    // skipped, so a damaged file loses only its damaged lines.
    void recordText(std::string_view text);

  private:
    std::vector<OfflineEdit> m_edits;
    std::unordered_map<int, size_t> m_index;
};

}  // namespace aec
