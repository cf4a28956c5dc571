#pragma once
// The folder of the journals: one file per operation, named by the local time the operation
// started and the operation's name ("2026-12-11 14-05-33 Apply.reg"; a second one in the
// same second is "2026-12-11 14-05-33 Apply (2).reg"). A journal is never replaced, and the
// newest ones are kept; files of other names are left alone.
#include <cstddef>
#include <string>
#include <vector>

class UnicodeFileSystem;
struct LocalTime;

class JournalFolder {
public:
    static constexpr std::size_t kKept = 100;

    JournalFolder(UnicodeFileSystem& files, std::u16string path)
        : files_(files), path_(std::move(path)) {}

    // Creates the folder when it is missing, writes the journal as a new file and removes
    // the oldest beyond the newest kKept. Returns the journal's full name; raises the
    // platform's "Cannot create file %s" when it cannot be written.
    std::u16string Add(const LocalTime& started, const std::u16string& operation,
                       const std::string& content);

private:
    void RemoveOldest(const std::vector<std::u16string>& present);

    UnicodeFileSystem& files_;
    std::u16string path_;
};
