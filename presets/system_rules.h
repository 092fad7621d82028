#pragma once
// Rights and passwords of the system column: the user/manager switch opened by the system
// password, the two password changes, and the panel lock that holds the editor after a link
// while the processor's key panel is locked. The passwords are the processor's; the editor only
// compares what is typed against the copies read with the settings.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/bilingual_text.h"

namespace aec {

inline constexpr size_t kSystemPasswordLength = 6;
inline constexpr size_t kPanelPasswordLength = 4;

// Password boxes take the digits, Backspace and Enter; every other key is discarded.
bool isPasswordKey(char32_t ch);
// Text that may stand in a password box (what a paste may bring in): digits only.
bool isPasswordText(std::string_view text);

// The system password typed for the user/manager switch.
enum class RightsOutcome {
    kOpened,         // right password on line: the switch may be used once
    kStaysClosed,    // right password off line: nothing to change, no message
    kWrongPassword,  // the box is emptied and the user told
};
RightsOutcome checkRightsPassword(std::string_view typed, std::string_view systemPassword,
                                  bool onLine);

// One key press in the system password change group, taken before the key's character enters
// its box: what the three boxes do next.
struct SystemPasswordStep {
    enum class Outcome {
        kTyping,     // nothing decided; the boxes may open
        kChanged,    // the new password is to be sent
        kMismatch,   // new and confirmation differ: the user is told
        kUnchanged,  // the new password is the old one: nothing to send
    };
    Outcome outcome = Outcome::kTyping;
    bool enableNew = false;
    bool enableConfirm = false;
    // Disable the new and confirmation boxes and empty all three.
    bool reset() const { return outcome != Outcome::kTyping; }
};
SystemPasswordStep systemPasswordStep(std::string_view oldText, std::string_view newText,
                                      std::string_view confirmText, std::string_view systemPassword,
                                      bool onLine);

// The panel password change: the old password opens the new box, and a new one of four digits
// is taken. Both need the processor on line, since only it holds the password.
bool panelOldPasswordAccepted(std::string_view oldText, std::string_view panelPassword,
                              bool onLine);
bool panelNewPasswordAccepted(std::string_view newText, bool onLine);

// The panel lock is applied at the end of a refresh once per link: the lock marker is 1 (on
// line, not yet applied) and the processor's key panel lock is on.
bool panelLockDue(int lockMarker, int panelLockValue);
inline constexpr int kLockApplied = 2;
// The unlock box opens with the processor's panel password.
bool unlockAccepted(std::string_view typed, std::string_view panelPassword);

// Messages of the password commands, in the language of the moment.
inline constexpr BilingualText kPasswordErrorText{"密码错误!", "Password Error!"};
inline constexpr BilingualText kPasswordMismatchText{"密码不一致!", "Password Error!"};
inline constexpr BilingualText kPasswordOffLineText{"设备未连接，无法修改密码!",
                                                    "Off line: the password cannot be changed!"};
inline constexpr BilingualText kPasswordNotSentText{
    "密码未能发送到设备，密码没有改变!", "The password could not be sent; it is unchanged!"};
// The same text in both languages.
inline constexpr const char* kUnlockedText = "解锁成功";
inline constexpr const char* kSystemCaption = "Confirm";

}  // namespace aec
