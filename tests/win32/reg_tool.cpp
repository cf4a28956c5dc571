#include "tests/win32/reg_tool.h"

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

std::wstring ReadUtf16File(const std::wstring& file) {
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes;
    char buffer[1 << 16];
    DWORD read = 0;
    while (ReadFile(handle, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(handle);
    std::wstring text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
        text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                     static_cast<unsigned char>(bytes[i + 1]) << 8);
    return text;
}

std::string Printable(const std::wstring& text) {
    std::string out;
    for (wchar_t unit : text) {
        if (unit >= 0x20 && unit < 0x80) {
            out += static_cast<char>(unit);
        } else {
            char escaped[10];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(unit));
            out += escaped;
        }
    }
    return out;
}

} // namespace

unsigned long RunReg(const std::wstring& arguments) {
    std::wstring command = L"reg.exe " + arguments;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE nul =
        CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = nul;
    PROCESS_INFORMATION process{};
    DWORD code = 255;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                       nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(nul);
    return code;
}

std::vector<std::wstring> ExportedValues(const std::wstring& root, const std::wstring& file) {
    if (RunReg(L"export " + root + L" \"" + file + L"\" /y") != 0)
        return {L"<reg export failed>"};
    std::wstring text = ReadUtf16File(file);
    DeleteFileW(file.c_str());
    std::vector<std::wstring> entries;
    std::wstring key, line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = std::min(text.find(L"\r\n", start), text.size());
        line += text.substr(start, end - start);
        start = end + 2;
        if (!line.empty() && line.back() == L'\\') {
            line.pop_back();
            while (start < text.size() && text[start] == L' ')
                ++start;
            continue;
        }
        if (!line.empty() && line.front() == L'[') {
            key = line;
            entries.push_back(key);
        } else if (!line.empty() && !key.empty()) {
            entries.push_back(key + L" " + line);
        }
        line.clear();
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::vector<std::string> ExportDifferences(const std::vector<std::wstring>& before,
                                           const std::vector<std::wstring>& after) {
    std::vector<std::wstring> gone, added;
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(),
                        std::back_inserter(gone));
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                        std::back_inserter(added));
    std::vector<std::string> lines;
    for (const std::wstring& entry : gone)
        lines.push_back("- " + Printable(entry));
    for (const std::wstring& entry : added)
        lines.push_back("+ " + Printable(entry));
    return lines;
}
