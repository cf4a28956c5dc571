#include "platform/registry_store.h"

#include "platform/text_codec.h"

ExactValue ExactValue::Text(std::uint32_t type, std::u16string_view text) {
    std::string bytes;
    bytes.reserve((text.size() + 1) * 2);
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    bytes.append(2, '\0');
    return {type, std::move(bytes)};
}

std::u16string ExactValue::AsText() const {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      static_cast<unsigned char>(bytes[i + 1]) << 8);
    if (!text.empty() && text.back() == u'\0')
        text.pop_back();
    return text;
}

RegistryValue RegistryValue::DWord(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return {RegistryType::DWord, std::move(bytes)};
}

RegistryValue RegistryValue::FromExact(const ExactValue& value) {
    switch (value.type) {
    case RegistryTypeCode::kString:
        return String(Utf16ToCp1250(value.AsText()));
    case RegistryTypeCode::kExpandString:
        return ExpandString(Utf16ToCp1250(value.AsText()));
    case RegistryTypeCode::kDWord:
        return {RegistryType::DWord, value.bytes};
    case RegistryTypeCode::kBinary:
        return Binary(value.bytes);
    default:
        return {RegistryType::Other, value.bytes};
    }
}

ExactValue RegistryValue::Exact() const {
    switch (type) {
    case RegistryType::String:
        return ExactValue::Text(RegistryTypeCode::kString, Cp1250ToUtf16(data));
    case RegistryType::ExpandString:
        return ExactValue::Text(RegistryTypeCode::kExpandString, Cp1250ToUtf16(data));
    case RegistryType::DWord:
        return {RegistryTypeCode::kDWord, data};
    case RegistryType::Binary:
        return {RegistryTypeCode::kBinary, data};
    case RegistryType::Other:
        break;
    }
    return {RegistryTypeCode::kNone, data};
}

std::uint32_t RegistryValue::AsDWord() const {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4 && i < data.size(); ++i)
        value |= std::uint32_t{static_cast<unsigned char>(data[i])} << (8 * i);
    return value;
}
