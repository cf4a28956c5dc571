#include "tests/i18n/languages_fixture.h"

#include "platform/string_list.h"

#include <fstream>
#include <iterator>

std::string FileOf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

std::string ShippedFile(const std::string& name) {
    std::ifstream in(std::string(SORVANTO_RESOURCE_DIR) + name, std::ios::binary);
    EXPECT_TRUE(in) << "no " << name << " in resources/";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> LinesOf(const std::string& bytes) {
    TStringList lines;
    lines.SetText(bytes);
    return lines.Lines();
}

void LanguagesTest::AddLanguage(const std::string& language,
                                const std::vector<std::string>& lines) {
    platform.files.AddFile(ProgramFolder + language + ".svl", FileOf(lines));
}

void LanguagesTest::AddIndexFile(const std::vector<std::string>& lines) {
    platform.files.AddFile(IndexFileName, FileOf(lines));
}

void LanguagesTest::Choose(const std::string& language) {
    ShowTabOf(List());
    int index = List().IndexOf(language);
    ASSERT_GE(index, 0) << language << " is not listed";
    List().UserSelect(index);
}
