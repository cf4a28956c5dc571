#include "undo/reg_file.h"

namespace {

void AppendLine(std::u16string& text, const std::u16string& line) {
    text += line;
    text += u"\r\n";
}

} // namespace

std::string RegFileContent(const std::vector<RegKeyBlock>& blocks) {
    std::u16string text = u"\xFEFF";
    AppendLine(text, u"Windows Registry Editor Version 5.00");
    AppendLine(text, u"");
    for (const RegKeyBlock& block : blocks) {
        AppendLine(text, (block.remove ? u"[-" : u"[") + block.key + u"]");
        for (const RegValueLine& value : block.values)
            AppendLine(text, RegValueText(value));
        AppendLine(text, u"");
    }
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}
