#include "platform/str_to_int.h"

#include "platform/exceptions.h"

#include <cstdint>
#include <optional>

namespace {

std::optional<unsigned> DigitValue(char c, unsigned base) {
    unsigned value;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    else
        return std::nullopt;
    if (value >= base)
        return std::nullopt;
    return value;
}

std::optional<int> Parse(const std::string& text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos)
        return std::nullopt;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    unsigned base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        i += 1;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    // Hexadecimal covers all 32 bits and wraps to a signed value ("$FFFFFFFF" is -1);
    // decimal must fit a signed 32-bit int.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        std::optional<unsigned> digit = DigitValue(text[i], base);
        if (!digit)
            return std::nullopt;
        magnitude = magnitude * base + *digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    auto bits = static_cast<std::uint32_t>(magnitude);
    if (negative)
        bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
}

} // namespace

int StrToInt(const std::string& text) {
    if (std::optional<int> value = Parse(text))
        return *value;
    throw EConvertError("'" + text + "' is not a valid integer value");
}

std::string IntToStr(int value) {
    return std::to_string(value);
}
