#include "platform/win32/whole_file.h"

#include <algorithm>

bool FileHandle::Close() {
    bool closed = IsOpen() && CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
}

bool WriteAndFlush(const FileHandle& file, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file.Get(), content.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return FlushFileBuffers(file.Get());
}

bool WriteWholeFile(const std::wstring& name, const std::string& content) {
    FileHandle file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.IsOpen() && WriteAndFlush(file, content) && file.Close();
}
