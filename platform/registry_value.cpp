#include "platform/registry_store.h"

RegistryValue RegistryValue::DWord(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return {RegistryType::DWord, std::move(bytes)};
}

std::uint32_t RegistryValue::AsDWord() const {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4 && i < data.size(); ++i)
        value |= std::uint32_t{static_cast<unsigned char>(data[i])} << (8 * i);
    return value;
}
