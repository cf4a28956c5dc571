#include "platform/text_codec.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// The upper half of Windows-1250. The five positions the code page leaves undefined (0x81,
// 0x83, 0x88, 0x90, 0x98) map to the C1 controls of the same number, as Windows maps them,
// so every byte survives a round trip.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

constexpr char kUnmappable = '?';

char32_t Decode(unsigned char byte) {
    return byte < 0x80 ? byte : kUpperHalf[byte - 0x80];
}

char Encode(char32_t code) {
    if (code < 0x80)
        return static_cast<char>(code);
    auto found = std::find(kUpperHalf.begin(), kUpperHalf.end(), code);
    if (found == kUpperHalf.end())
        return kUnmappable;
    return static_cast<char>(0x80 + (found - kUpperHalf.begin()));
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

struct Utf8Sequence {
    int length;        // bytes the lead announces, 0 for a byte that cannot lead
    char32_t minimum;  // smallest code point that length may carry (no overlong forms)
    char32_t leadBits; // the payload of the lead byte
};

Utf8Sequence ReadLead(unsigned char lead) {
    if (lead < 0x80)
        return {1, 0, lead};
    if ((lead & 0xE0) == 0xC0)
        return {2, 0x80, lead & 0x1Fu};
    if ((lead & 0xF0) == 0xE0)
        return {3, 0x800, lead & 0x0Fu};
    if ((lead & 0xF8) == 0xF0)
        return {4, 0x10000, lead & 0x07u};
    return {0, 0, 0};
}

} // namespace

std::string Utf8ToCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        Utf8Sequence sequence = ReadLead(static_cast<unsigned char>(utf8[i]));
        ++i;
        if (sequence.length == 0) {
            out += kUnmappable;
            continue;
        }
        char32_t code = sequence.leadBits;
        int read = 1;
        while (read < sequence.length && i < utf8.size() &&
               IsContinuation(static_cast<unsigned char>(utf8[i]))) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3Fu);
            ++i;
            ++read;
        }
        // A cut-off sequence yields one "?" and the next byte starts afresh.
        bool valid = read == sequence.length && code >= sequence.minimum && code <= 0x10FFFF &&
                     (code < 0xD800 || code > 0xDFFF);
        out += valid ? Encode(code) : kUnmappable;
    }
    return out;
}

std::string Cp1250ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text)
        AppendUtf8(out, Decode(static_cast<unsigned char>(c)));
    return out;
}

std::u16string Cp1250ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text)
        out += static_cast<char16_t>(Decode(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf16ToCp1250(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    std::size_t i = 0;
    while (i < utf16.size()) {
        char16_t unit = utf16[i++];
        bool highSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
        // A pair stands for one character beyond the code page: one "?", not two.
        if (highSurrogate && i < utf16.size() && utf16[i] >= 0xDC00 && utf16[i] <= 0xDFFF)
            ++i;
        out += Encode(unit);
    }
    return out;
}

unsigned char Cp1250Lower(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return c + ('a' - 'A');
    switch (c) {
    case 0x8A: // Š
    case 0x8C: // Ś
    case 0x8D: // Ť
    case 0x8E: // Ž
    case 0x8F: // Ź
        return c + 0x10;
    case 0xA3: // Ł
        return 0xB3;
    case 0xA5: // Ą
        return 0xB9;
    case 0xAA: // Ş
        return 0xBA;
    case 0xAF: // Ż
        return 0xBF;
    case 0xBC: // Ľ
        return 0xBE;
    default:
        break;
    }
    // Ŕ to Ţ pair with ŕ to ţ, all but the multiplication sign.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    return c;
}

// Byte order after lowering: not the linguistic order Windows would use for Polish (ł sorts
// after all of a-z), but stable and case-blind, which is all sorted lists need.
int CompareTextAnsi(const std::string& a, const std::string& b) {
    std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        int x = Cp1250Lower(static_cast<unsigned char>(a[i]));
        int y = Cp1250Lower(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x - y;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}
