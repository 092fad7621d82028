#pragma once
// Protocol state shared by the receiver, the transmit scheduler and the connection logic.

#include "link/pending_queue.h"

namespace aec {

enum class LinkStatus : int { kOffLine = 0, kOnLine = 2 };

// Progress of the reply to the last transfer step.
enum class ReplyStatus : int {
    kNone = 0,
    kAcknowledged = 1,
    kFrameReceived = 2,
    kWaiting = 3,
    kWaitingAgain = 4,
    kLastWait = 5,
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
    // The frame that went out last and still waits for its acknowledgement is a write (not a
    // keep-alive), so a retry must repeat it even when nothing else is queued.
    bool writeUnacknowledged = false;
    // Whether the 20 ms transmit tick runs; the Qt timer follows it.
    bool holdTimerEnabled = false;
    // Panel lock per link: 0 no link since the search began, 1 on line and not yet locked,
    // 2 the panel lock was applied during this link.
    int lockMarker = 0;

    bool onLine() const { return link == LinkStatus::kOnLine; }
};

}  // namespace aec
