#include "presets/system_rules.h"

#include <algorithm>

namespace aec {

namespace {
bool isDigit(char32_t ch) { return ch >= U'0' && ch <= U'9'; }
}  // namespace

bool isPasswordKey(char32_t ch) { return isDigit(ch) || ch == U'\b' || ch == U'\r'; }

bool isPasswordText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return isDigit(c); });
}

RightsOutcome checkRightsPassword(std::string_view typed, std::string_view systemPassword,
                                  bool onLine) {
    if (typed != systemPassword || typed.size() != kSystemPasswordLength) {
        return RightsOutcome::kWrongPassword;
    }
    return onLine ? RightsOutcome::kOpened : RightsOutcome::kStaysClosed;
}

SystemPasswordStep systemPasswordStep(std::string_view oldText, std::string_view newText,
                                      std::string_view confirmText, std::string_view systemPassword,
                                      bool onLine) {
    using Outcome = SystemPasswordStep::Outcome;
    SystemPasswordStep step;
    if (!onLine || systemPassword.size() != kSystemPasswordLength || oldText != systemPassword) {
        return step;
    }
    step.enableNew = true;
    step.enableConfirm = newText.size() == kSystemPasswordLength;
    if (!step.enableConfirm || confirmText.size() != kSystemPasswordLength) {
        return step;
    }
    if (newText != confirmText) {
        step.outcome = Outcome::kMismatch;
    } else if (newText == systemPassword) {
        step.outcome = Outcome::kUnchanged;
    } else {
        step.outcome = Outcome::kChanged;
    }
    return step;
}

bool panelOldPasswordAccepted(std::string_view oldText, std::string_view panelPassword,
                              bool onLine) {
    return onLine && panelPassword.size() == kPanelPasswordLength && oldText == panelPassword;
}

bool panelNewPasswordAccepted(std::string_view newText, bool onLine) {
    return onLine && newText.size() == kPanelPasswordLength && isPasswordText(newText);
}

bool panelLockDue(int lockMarker, int panelLockValue) {
    return lockMarker == 1 && panelLockValue == 1;
}

bool unlockAccepted(std::string_view typed, std::string_view panelPassword) {
    return panelPassword.size() == kPanelPasswordLength && typed == panelPassword;
}

}  // namespace aec
