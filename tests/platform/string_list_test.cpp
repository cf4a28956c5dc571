#include "platform/string_list.h"

#include "platform/exceptions.h"
#include "platform/text_codec.h"
#include "tests/support/memory_file_system.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TStringList ListOf(const Lines& lines) {
    TStringList list;
    for (const std::string& line : lines)
        list.Add(line);
    return list;
}

template <typename Error>
void ExpectError(const std::function<void()>& action, const std::string& message) {
    try {
        action();
        ADD_FAILURE() << "nothing raised, expected: " << message;
    } catch (const Error& e) {
        EXPECT_EQ(e.Message(), message);
    }
}

TEST(StringList, SetTextSplitsAtEveryKindOfLineEnd) {
    struct Case {
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {" x = y \t", {" x = y \t"}},
        {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        {std::string("\0a", 2), {}},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.Add("old");
        list.SetText(c.bytes);
        EXPECT_EQ(list.Lines(), c.lines) << testing::PrintToString(c.bytes);
    }
}

TEST(StringList, TextEndsEveryLineWithCrLf) {
    EXPECT_EQ(ListOf({}).Text(), "");
    EXPECT_EQ(ListOf({"a", "", "b"}).Text(), "a\r\n\r\nb\r\n");
    TStringList list;
    list.SetText("x\ny\rz");
    EXPECT_EQ(list.Text(), "x\r\ny\r\nz\r\n");
}

TEST(StringList, BadIndexRaisesOutOfBounds) {
    TStringList list = ListOf({"a", "b"});
    EXPECT_EQ(list[1], "b");
    ExpectError<EStringListError>([&] { (void)list[2]; }, "List index out of bounds (2)");
    ExpectError<EStringListError>([&] { (void)list[-1]; }, "List index out of bounds (-1)");
    ExpectError<EStringListError>([&] { list.Delete(2); }, "List index out of bounds (2)");
    ExpectError<EStringListError>([&] { list.Set(5, "x"); }, "List index out of bounds (5)");
    ExpectError<EStringListError>([&] { list.Insert(3, "x"); }, "List index out of bounds (3)");
    ExpectError<EStringListError>([&] { (void)list.Names(2); }, "List index out of bounds (2)");
    list.Insert(2, "c");
    EXPECT_EQ(list.Lines(), (Lines{"a", "b", "c"}));
}

TEST(StringList, NamesAndValuesSplitAtTheFirstEquals) {
    TStringList list = ListOf({"Key=Value", "path=C:\\a=b", "no equals", "=nameless", "empty="});
    EXPECT_EQ(list.Names(0), "Key");
    EXPECT_EQ(list.Names(1), "path");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.Names(3), "");
    EXPECT_EQ(list.Values("KEY"), "Value");
    EXPECT_EQ(list.Values("path"), "C:\\a=b");
    EXPECT_EQ(list.Values("empty"), "");
    EXPECT_EQ(list.Values("missing"), "");
    EXPECT_EQ(list.Values(""), "nameless");
    EXPECT_EQ(list.IndexOfName("no equals"), -1);
    EXPECT_EQ(list.IndexOfName(""), 3);
}

TEST(StringList, IndexOfNameIgnoresPolishLetterCaseAndFindsTheFirst) {
    TStringList list = ListOf({Utf8ToCp1250("Źródło=1"), Utf8ToCp1250("źródło=2")});
    EXPECT_EQ(list.IndexOfName(Utf8ToCp1250("ŹRÓDŁO")), 0);
    EXPECT_EQ(list.Values(Utf8ToCp1250("źródło")), "1");
}

TEST(StringList, SetValueReplacesInPlaceAppendsOrRemoves) {
    TStringList list = ListOf({"a=1", "B=2", "c=3", "b=4"});
    list.SetValue("b", "two");
    EXPECT_EQ(list.Lines(), (Lines{"a=1", "b=two", "c=3", "b=4"}));
    list.SetValue("d", "new");
    EXPECT_EQ(list.Lines(), (Lines{"a=1", "b=two", "c=3", "b=4", "d=new"}));
    list.SetValue("B", "");
    EXPECT_EQ(list.Lines(), (Lines{"a=1", "c=3", "b=4", "d=new"}));
    list.SetValue("missing", "");
    EXPECT_EQ(list.Lines(), (Lines{"a=1", "c=3", "b=4", "d=new"}));
}

TEST(StringList, SortedAddReportsWhereTheLineWent) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(TDuplicates::dupAccept);
    struct Step {
        std::string line;
        int position;
    };
    const Step steps[] = {
        {"m", 0}, {"B", 0},
        {"z", 2}, {Utf8ToCp1250("ł"), 3}, // after every ASCII letter
        {"b", 1},                         // after the equal "B"
        {"a", 0}, {Utf8ToCp1250("Ł"), 6}, // after the equal "ł"
        {"", 0},
    };
    for (const Step& step : steps)
        EXPECT_EQ(list.Add(step.line), step.position) << Cp1250ToUtf8(step.line);
    EXPECT_EQ(list.Lines(),
              (Lines{"", "a", "B", "b", "m", "z", Utf8ToCp1250("ł"), Utf8ToCp1250("Ł")}));
}

TEST(StringList, SortedAddHonoursDuplicates) {
    TStringList list;
    list.SetSorted(true);
    list.Add("alpha");
    list.Add("beta");
    EXPECT_EQ(list.Add("BETA"), 1);
    EXPECT_EQ(list.Lines(), (Lines{"alpha", "beta"}));
    list.SetDuplicates(TDuplicates::dupError);
    ExpectError<EStringListError>([&] { list.Add("Alpha"); },
                                  "String list does not allow duplicates");
    EXPECT_EQ(list.Add("gamma"), 2);
    EXPECT_EQ(list.Count(), 3);
}

TEST(StringList, UnsortedAddAppendsEvenDuplicates) {
    TStringList list;
    list.SetDuplicates(TDuplicates::dupError);
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.Add("a"), 1);
    EXPECT_EQ(list.Add("b"), 2);
}

TEST(StringList, SettingSortedSortsStably) {
    TStringList list = ListOf({"b2", "A", "B2", "c", "a", "b2"});
    list.SetSorted(true);
    EXPECT_EQ(list.Lines(), (Lines{"A", "a", "b2", "B2", "b2", "c"}));
    EXPECT_EQ(list.IndexOf("B2"), 2);
    EXPECT_EQ(list.IndexOf("missing"), -1);
}

TEST(StringList, LoadsAndSavesThroughTheFileSystem) {
    MemoryFileSystem files;
    files.AddFile("C:\\p\\in.svl", "one\ntwo\r\n");
    TStringList list;
    list.LoadFromFile(files, "C:\\P\\IN.SVL");
    EXPECT_EQ(list.Lines(), (Lines{"one", "two"}));
    list.SaveToFile(files, "C:\\p\\out.svl");
    EXPECT_EQ(files.Content("C:\\p\\out.svl"), "one\r\ntwo\r\n");
}

TEST(StringList, FileErrorsNameTheFileAndChangeNothing) {
    MemoryFileSystem files;
    files.AddFile("C:\\p\\locked.svl", "x");
    files.MakeUnreadable("C:\\p\\locked.svl");
    files.AddFile("C:\\p\\old.svl", "old\r\n");
    files.FailWritesTo("C:\\p\\old.svl");
    TStringList list = ListOf({"kept"});

    ExpectError<EFOpenError>([&] { list.LoadFromFile(files, "C:\\p\\missing.svl"); },
                             "Cannot open file C:\\p\\missing.svl");
    ExpectError<EFOpenError>([&] { list.LoadFromFile(files, "C:\\p\\locked.svl"); },
                             "Cannot open file C:\\p\\locked.svl");
    EXPECT_EQ(list.Lines(), (Lines{"kept"}));
    ExpectError<EFCreateError>([&] { list.SaveToFile(files, "C:\\p\\old.svl"); },
                               "Cannot create file C:\\p\\old.svl");
    EXPECT_EQ(files.Content("C:\\p\\old.svl"), "old\r\n");
}

} // namespace
