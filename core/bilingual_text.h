#pragma once
// A text in Chinese and English, chosen by the language flag when it is shown.

namespace aec {

struct BilingualText {
    const char* zh;
    const char* en;
    // The text of the active language (languageFlag 1 Chinese, 0 English).
    const char* in(int languageFlag) const { return languageFlag == 1 ? zh : en; }
};

}  // namespace aec
