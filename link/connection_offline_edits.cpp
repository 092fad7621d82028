// Changes made without the link meet the processor's settings after a full load: the user
// chooses which win, and nothing is dropped without that choice.
#include <string>
#include <string_view>

#include "core/pages.h"
#include "link/connection.h"
#include "link/link_texts.h"

namespace aec {

namespace {

std::string withCount(std::string_view text, int count) {
    std::string out(text);
    out.replace(out.find("%1"), 2, std::to_string(count));
    return out;
}

}  // namespace

void Connection::offerOfflineEdits() {
    OfflineEdits& edits = m_model.offlineEdits;
    if (edits.empty()) {
        return;
    }
    const int language = m_model.languageFlag();
    const bool send =
        m_view->ask(withCount(link_text::kOfflineEditsQuestion.in(language), edits.count()),
                    link_text::kNoticeCaption.in(language));
    // Taken out first: the sends below are on line and record nothing, but a link lost while
    // the question was open must not find them twice.
    const std::vector<OfflineEdit> taken = edits.edits();
    edits.clear();
    if (!send || !m_state.onLine()) {
        if (send) {
            for (const OfflineEdit& e : taken) {
                edits.record(e.address, e.value);
            }
        }
        return;
    }
    for (const OfflineEdit& e : taken) {
        m_model.setParam(pageOf(e.address), slotOf(e.address), e.value);
    }
    refreshAllControls();
    for (const OfflineEdit& e : taken) {
        m_scheduler.SendDeviceValuePaced(e.address, e.value);
    }
    // Checked like an upload, once the processor acknowledged them.
    if (m_uploadListener) {
        m_uploadListener();
    }
}

}  // namespace aec
