#pragma once
// The texts the link shows: status label texts, message boxes and the link button's captions,
// each in Chinese and English.

#include <string>

#include "core/bilingual_text.h"

namespace aec {

namespace link_text {

inline constexpr BilingualText kSearch{"设备搜索...", "Search..."};
inline constexpr BilingualText kLinking{"连接中...", "Linking..."};
inline constexpr BilingualText kLoading{"加载中...", "Loading..."};
inline constexpr BilingualText kUpload{"下载数据...", "Download..."};
inline constexpr BilingualText kOnLine{"设备已连接", "Online"};
inline constexpr BilingualText kOffLine{"设备未连接", "Off Line"};
inline constexpr BilingualText kSaving{"保存中...", "Saving..."};

// Message boxes: text and caption per language.
inline constexpr BilingualText kLostText{"已断开连接!", "Off Line!"};
inline constexpr BilingualText kFailedText{"连接失败!", "Off Line!"};
inline constexpr BilingualText kSavedText{"保存成功!", "Save Success!"};
inline constexpr BilingualText kSaveFailedText{"保存失败!", "Save failed!"};
inline constexpr BilingualText kLoadOffLineText{"设备未连接，无法调用模式!",
                                                "Off line: the mode cannot be loaded!"};
inline constexpr BilingualText kSaveOffLineText{"设备未连接，无法保存模式!",
                                                "Off line: the mode cannot be saved!"};
// Asked after a full load when changes were made without the link; %1 is their number.
inline constexpr BilingualText kOfflineEditsQuestion{
    "未连接设备时修改的设置：%1 项。\n发送到设备吗？（No：保留设备的设置）",
    "Settings changed while off line: %1.\nSend them to the processor? (No: keep the "
    "processor's settings)"};
inline constexpr BilingualText kNoticeCaption{"提示", "Confirm"};
inline constexpr const char* kConfirmCaption = "Confirm";

// The link button.
inline constexpr BilingualText kLinkedCaption{"断开", "Unlink"};
inline constexpr BilingualText kUnlinkedCaption{"联机", "link"};

// The status dialog.
inline constexpr BilingualText kDialogCaption{"设备状态", "Device Staus"};
inline constexpr BilingualText kDialogWarning{"请稍等,可能需要几秒钟才能完成操作！",
                                              "Please Wait for a moment!"};

}  // namespace link_text

}  // namespace aec
