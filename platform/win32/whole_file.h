#pragma once
// Writing a whole file: a file handle that closes itself, and a write of all the bytes that
// reaches the disk before it reports success.
#include "platform/win32/windows_api.h"

#include <string>

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close();

private:
    HANDLE handle_;
};

// Writes all of `content` to an open file and flushes it to the disk; false on any failure.
bool WriteAndFlush(const FileHandle& file, const std::string& content);
// Creates or empties the file and writes `content`, flushed; false on any failure.
bool WriteWholeFile(const std::wstring& name, const std::string& content);
