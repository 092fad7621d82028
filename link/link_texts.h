#pragma once
// The texts the link shows: status label texts, message boxes and the link button's captions,
// each in Chinese and English.

#include <string>

namespace aec {

struct TextPair {
    const char* zh;
    const char* en;
    // The text of the active language (languageFlag 1 Chinese, 0 English).
    const char* in(int languageFlag) const { return languageFlag == 1 ? zh : en; }
};

namespace link_text {

inline constexpr TextPair kSearch{"设备搜索...", "Search..."};
inline constexpr TextPair kLinking{"连接中...", "Linking..."};
inline constexpr TextPair kLoading{"加载中...", "Loading..."};
inline constexpr TextPair kUpload{"下载数据...", "Download..."};
inline constexpr TextPair kOnLine{"设备已连接", "Online"};
inline constexpr TextPair kOffLine{"设备未连接", "Off Line"};
inline constexpr TextPair kSaving{"保存中...", "Saving..."};

// Message boxes: text and caption per language.
inline constexpr TextPair kLostText{"已断开连接!", "Off Line!"};
inline constexpr TextPair kFailedText{"连接失败!", "Off Line!"};
inline constexpr TextPair kSavedText{"保存成功!", "Save Success!"};
inline constexpr TextPair kNoticeCaption{"提示", "Confirm"};
inline constexpr const char* kConfirmCaption = "Confirm";

// The link button.
inline constexpr TextPair kLinkedCaption{"断开", "Unlink"};
inline constexpr TextPair kUnlinkedCaption{"联机", "link"};

// The status dialog.
inline constexpr TextPair kDialogCaption{"设备状态", "Device Staus"};
inline constexpr TextPair kDialogWarning{"请稍等,可能需要几秒钟才能完成操作！",
                                         "Please Wait for a moment!"};

}  // namespace link_text

// RGB of the status label and the link button caption.
inline constexpr unsigned kOnLineRgb = 0x003399;
inline constexpr unsigned kLinkedCaptionRgb = 0xF39800;

}  // namespace aec
