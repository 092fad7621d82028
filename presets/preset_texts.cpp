#include "presets/preset_texts.h"

namespace aec {

namespace {

struct TextPair {
    const char* chinese;
    const char* english;
};

TextPair errorTexts(PresetError error) {
    switch (error) {
        case PresetError::kNone:
            return {"", ""};
        case PresetError::kNotFound:
            return {"文件不存在", "File not find!"};
        case PresetError::kFormat:
            return {"文件格式错误!", "File format error!"};
        case PresetError::kCorrupted:
            return {"数据文件损坏!", "Data file is corrupted!"};
        case PresetError::kNotHex:
            return {"文件内容不是十六进制文本!", "File is not hexadecimal text!"};
        case PresetError::kBadNumber:
            return {"文件中有无效的数字!", "File contains an invalid number!"};
        case PresetError::kShortLine:
            return {"文件中有不完整的行!", "File contains an incomplete line!"};
        case PresetError::kAddressOutside:
            return {"文件中的参数地址超出范围!", "File names a parameter address out of range!"};
        case PresetError::kWriteFailed:
            return {"无法写入文件!", "Cannot write the file!"};
        case PresetError::kBadName:
            return {"文件名无效!名称中不能有 / \\ :,也不能是 . 或 ..",
                    "Invalid file name! A name may not contain / \\ : or be . or .."};
    }
    return {"", ""};
}

}  // namespace

std::string presetMessage(PresetError error, int languageFlag) {
    const TextPair texts = errorTexts(error);
    return languageFlag == 1 ? texts.chinese : texts.english;
}

Question overwriteQuestion(int languageFlag) {
    if (languageFlag == 1) {
        return {"文件已存在,覆盖它吗?", "*系统提示*"};
    }
    return {"File already exists, overwrite it right?", "*Confirm*"};
}

Question loadQuestion(const std::string& name, int languageFlag) {
    // The colon is the full-width one in both languages.
    if (languageFlag == 1) {
        return {"加载模式：" + name + " ?", "Confirm"};
    }
    return {"Load File Data：" + name + " ?", "Confirm"};
}

}  // namespace aec
