// How a value reads in a .reg file. A string is written as text only when the text brings
// back exactly its bytes: anything else (no terminating NUL, a NUL inside, a control
// character, half a surrogate pair, an odd length) goes as hex(1), which keeps every byte.
#include "undo/reg_file.h"

#include <cstdio>

namespace {

// Registry Editor's exports wrap hex data so that no line is longer than 80 characters.
constexpr std::size_t kWrapAfter = 76;

std::u16string Ascii(const char* text) {
    std::u16string wide;
    for (; *text; ++text)
        wide += static_cast<char16_t>(*text);
    return wide;
}

std::u16string Quoted(const std::u16string& text) {
    std::u16string quoted = u"\"";
    for (char16_t unit : text) {
        if (unit == u'\\' || unit == u'"')
            quoted += u'\\';
        quoted += unit;
    }
    return quoted + u'"';
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The text of a REG_SZ that holds one clean NUL-terminated text, or nothing.
std::optional<std::u16string> CleanText(const std::string& bytes) {
    if (bytes.size() < 2 || bytes.size() % 2 != 0)
        return std::nullopt;
    std::u16string units;
    for (std::size_t i = 0; i < bytes.size(); i += 2)
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                       static_cast<unsigned char>(bytes[i + 1]) << 8);
    if (units.back() != 0)
        return std::nullopt;
    units.pop_back();
    for (std::size_t i = 0; i < units.size(); ++i) {
        char16_t unit = units[i];
        if (unit < 0x20 || IsLowSurrogate(unit))
            return std::nullopt;
        if (IsHighSurrogate(unit)) {
            if (i + 1 == units.size() || !IsLowSurrogate(units[i + 1]))
                return std::nullopt;
            ++i;
        }
    }
    return units;
}

std::u16string HexData(std::u16string line, const std::string& bytes) {
    std::size_t lineLength = line.size();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char byte[3];
        std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned char>(bytes[i]));
        line += Ascii(byte);
        lineLength += 2;
        if (i + 1 == bytes.size())
            break;
        line += u',';
        lineLength += 1;
        if (lineLength >= kWrapAfter) {
            line += u"\\\r\n  ";
            lineLength = 2;
        }
    }
    return line;
}

std::u16string Data(const ExactValue& value, const std::u16string& prefix) {
    if (value.type == RegistryTypeCode::kString)
        if (std::optional<std::u16string> text = CleanText(value.bytes))
            return prefix + Quoted(*text);
    if (value.type == RegistryTypeCode::kDWord && value.bytes.size() == 4) {
        std::uint32_t number = 0;
        for (int i = 3; i >= 0; --i)
            number = number << 8 | static_cast<unsigned char>(value.bytes[i]);
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(number));
        return prefix + Ascii(text);
    }
    if (value.type == RegistryTypeCode::kBinary)
        return HexData(prefix + u"hex:", value.bytes);
    char type[24];
    std::snprintf(type, sizeof type, "hex(%x):", static_cast<unsigned>(value.type));
    return HexData(prefix + Ascii(type), value.bytes);
}

} // namespace

std::u16string RegValueText(const RegValueLine& line) {
    std::u16string name = line.name.empty() ? u"@" : Quoted(line.name);
    if (!line.value)
        return name + u"=-";
    return Data(*line.value, name + u'=');
}
