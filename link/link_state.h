#pragma once
// Protocol state shared by the receiver, the transmit scheduler and the connection logic.

#include <algorithm>
#include <cstdint>

#include "link/pending_queue.h"

namespace aec {

enum class LinkStatus : int { kOffLine = 0, kOnLine = 2 };

// What arrived since the last transfer step went out (waiting: nothing yet).
enum class ReplyStatus : int {
    kNone = 0,
    kAcknowledged = 1,
    kFrameReceived = 2,
    kWaiting = 3,
};

// What the transmit tick does when a mode command is acknowledged.
enum class PendingAction : int { kNone = 0, kReload = 2, kSaveDone = 3 };

inline constexpr int kNoNameAsked = -1;

struct LinkState {
    LinkStatus link = LinkStatus::kOffLine;
    // Set by every acknowledgement; cleared when a paced or queued write goes out.
    bool ready = false;
    // Set by every acknowledgement; the search looks at it.
    bool deviceAnswered = false;
    ReplyStatus replyStatus = ReplyStatus::kNone;
    // Next mode name the full load asks for; survives from one load to the next.
    int nameIndex = 0;
    // Mode whose name was requested last; a received name goes there.
    int nameAskedLast = kNoNameAsked;
    // Seconds without an acknowledgement.
    int missCounter = 0;
    // Transmit ticks since the last change request or scheduled send.
    int idleCounter = 0;
    PendingAction pendingAction = PendingAction::kNone;
    PendingQueue queue;
    // Acknowledgements received so far. They name no frame, so senders count them: a frame
    // is answered once the count reaches the number awaited when it went out.
    uint64_t acknowledgements = 0;
    // The count at which every write of the transmit scheduler and mode command is answered.
    uint64_t acknowledgementsAwaited = 0;
    // The scheduler's last frame was a write (not a keep-alive): a retry repeats the write.
    bool lastFrameIsWrite = false;
    // Whether the 20 ms transmit tick runs; the Qt timer follows it.
    bool holdTimerEnabled = false;
    // Panel lock per link: 0 no link since the search began, 1 on line and not yet locked,
    // 2 the panel lock was applied during this link.
    int lockMarker = 0;

    bool onLine() const { return link == LinkStatus::kOnLine; }
    // One more frame waits for its acknowledgement; surplus acknowledgements that came before
    // it do not answer it.
    void awaitAcknowledgement() {
        acknowledgementsAwaited = std::max(acknowledgementsAwaited, acknowledgements) + 1;
    }
    bool allAcknowledged() const { return acknowledgements >= acknowledgementsAwaited; }
    // Nothing sent earlier is waited for any more (a new search).
    void forgetAwaitedAcknowledgements() { acknowledgementsAwaited = acknowledgements; }
};

}  // namespace aec
