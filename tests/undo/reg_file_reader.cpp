#include "tests/undo/reg_file_reader.h"

#include "platform/registry_store.h"

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

std::u16string Decode(const std::string& bytes) {
    if (bytes.size() < 2 || bytes.size() % 2 != 0 || bytes[0] != '\xFF' || bytes[1] != '\xFE')
        throw std::runtime_error("not UTF-16LE with a byte-order mark");
    std::u16string text;
    for (std::size_t i = 2; i < bytes.size(); i += 2)
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      static_cast<unsigned char>(bytes[i + 1]) << 8);
    return text;
}

std::vector<std::u16string> Lines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(u"\r\n", start);
        if (end == std::u16string::npos)
            throw std::runtime_error("the last line does not end in CR LF");
        std::u16string line = text.substr(start, end - start);
        if (line.find_first_of(u"\r\n") != std::u16string::npos)
            throw std::runtime_error("a lone CR or LF in line " + std::to_string(lines.size() + 1));
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

struct Parser {
    std::u16string_view rest;
    int lineNumber = 0;

    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error(what + " in line " + std::to_string(lineNumber));
    }
    bool Take(std::u16string_view prefix) {
        if (rest.substr(0, prefix.size()) != prefix)
            return false;
        rest.remove_prefix(prefix.size());
        return true;
    }
    std::u16string Quoted() {
        if (!Take(u"\""))
            Fail("a quote expected");
        std::u16string text;
        while (!rest.empty()) {
            char16_t unit = rest.front();
            rest.remove_prefix(1);
            if (unit == u'"')
                return text;
            if (unit == u'\\') {
                if (rest.empty() || (rest.front() != u'\\' && rest.front() != u'"'))
                    Fail("an unknown escape");
                unit = rest.front();
                rest.remove_prefix(1);
            }
            text += unit;
        }
        Fail("an unterminated string");
    }
    unsigned HexDigit(char16_t unit) const {
        if (unit >= u'0' && unit <= u'9')
            return unit - u'0';
        if (unit >= u'a' && unit <= u'f')
            return unit - u'a' + 10;
        if (unit >= u'A' && unit <= u'F')
            return unit - u'A' + 10;
        Fail("a hex digit expected");
    }
    std::string HexBytes() {
        std::string bytes;
        while (!rest.empty()) {
            if (rest.size() < 2)
                Fail("half a byte");
            bytes += static_cast<char>(HexDigit(rest[0]) << 4 | HexDigit(rest[1]));
            rest.remove_prefix(2);
            if (!rest.empty() && !Take(u","))
                Fail("a comma expected");
        }
        return bytes;
    }
    std::optional<ExactValue> Data() {
        if (Take(u"-"))
            return std::nullopt;
        if (rest.substr(0, 1) == u"\"") {
            std::u16string text = Quoted();
            std::string bytes;
            for (char16_t unit : text) {
                bytes += static_cast<char>(unit & 0xFF);
                bytes += static_cast<char>(unit >> 8);
            }
            return ExactValue{RegistryTypeCode::kString, bytes + std::string(2, '\0')};
        }
        if (Take(u"dword:")) {
            if (rest.size() != 8)
                Fail("a dword of eight digits expected");
            std::uint32_t number = 0;
            for (char16_t unit : rest)
                number = number << 4 | HexDigit(unit);
            rest = {};
            std::string bytes;
            for (int i = 0; i < 4; ++i)
                bytes += static_cast<char>(number >> (8 * i) & 0xFF);
            return ExactValue{RegistryTypeCode::kDWord, bytes};
        }
        std::uint32_t type = RegistryTypeCode::kBinary;
        if (Take(u"hex(")) {
            type = 0;
            std::size_t digits = 0;
            while (!rest.empty() && rest.front() != u')') {
                type = type << 4 | HexDigit(rest.front());
                rest.remove_prefix(1);
                ++digits;
            }
            if (digits == 0 || digits > 8 || !Take(u"):"))
                Fail("a type hex(N): expected");
        } else if (!Take(u"hex:")) {
            Fail("unknown data");
        }
        return ExactValue{type, HexBytes()};
    }
};

RootKey RootOf(std::u16string_view name, int lineNumber) {
    if (name == u"HKEY_CURRENT_USER")
        return RootKey::CurrentUser;
    if (name == u"HKEY_CLASSES_ROOT")
        return RootKey::ClassesRoot;
    if (name == u"HKEY_LOCAL_MACHINE")
        return RootKey::LocalMachine;
    throw std::runtime_error("an unknown root in line " + std::to_string(lineNumber));
}

} // namespace

void ImportRegFile(const std::string& bytes, RegistryStore& store) {
    std::vector<std::u16string> lines = Lines(Decode(bytes));
    if (lines.empty() || lines[0] != u"Windows Registry Editor Version 5.00")
        throw std::runtime_error("no version 5.00 header");
    std::unique_ptr<RegistryKey> key;
    bool inKey = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        Parser parser{lines[i], static_cast<int>(i + 1)};
        std::u16string line = lines[i];
        if (line.empty())
            continue;
        if (line.front() == u'[') {
            if (line.back() != u']')
                parser.Fail("a key without its closing bracket");
            bool remove = line[1] == u'-';
            std::u16string name = line.substr(remove ? 2 : 1, line.size() - (remove ? 3 : 2));
            std::size_t slash = name.find(u'\\');
            if (slash == std::u16string::npos)
                parser.Fail("a root without a key");
            RootKey root = RootOf(std::u16string_view(name).substr(0, slash), parser.lineNumber);
            std::u16string path = name.substr(slash + 1);
            key.reset();
            inKey = !remove;
            if (remove)
                store.DeleteKeyExact(root, RegistryView::Bits64, path);
            else if (!(key = store.OpenKeyExact(root, RegistryView::Bits64, path, true)))
                parser.Fail("a key that cannot be created");
            continue;
        }
        if (!inKey)
            parser.Fail("a value outside a key");
        // Hex data goes on over the next lines, each of which starts with two spaces.
        while (line.back() == u'\\' && line.find(u"=hex") != std::u16string::npos) {
            if (++i == lines.size() || lines[i].substr(0, 2) != u"  ")
                parser.Fail("a continuation line expected");
            line.pop_back();
            line += lines[i].substr(2);
        }
        parser.rest = line;
        std::u16string name = parser.Take(u"@") ? std::u16string() : parser.Quoted();
        if (!parser.Take(u"="))
            parser.Fail("= expected");
        std::optional<ExactValue> value = parser.Data();
        if (!parser.rest.empty())
            parser.Fail("text after the data");
        if (!value)
            key->DeleteValueExact(name);
        else if (!key->SetExact(name, *value))
            parser.Fail("a value that cannot be set");
    }
}
