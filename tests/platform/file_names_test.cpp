#include "platform/file_names.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNames, SplitAtTheLastBackslashOrColon) {
    struct Case {
        const char* name;
        const char* path;
        const char* file;
    };
    const Case cases[] = {
        {"C:\\dir\\sub\\a.svl", "C:\\dir\\sub\\", "a.svl"},
        {"C:a.svl", "C:", "a.svl"},
        {"C:\\", "C:\\", ""},
        {"a.svl", "", "a.svl"},
        {"", "", ""},
        {"dir/sub/a.svl", "", "dir/sub/a.svl"},
        {"C:\\dir/a.svl", "C:\\", "dir/a.svl"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
        EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
    }
}

} // namespace
