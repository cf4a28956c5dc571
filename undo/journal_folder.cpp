#include "undo/journal_folder.h"

#include "platform/exceptions.h"
#include "platform/services.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr std::size_t kStampLength = 19; // "2026-12-11 14-05-33"
const std::u16string kExtension = u".reg";

std::u16string Stamp(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d-%02d-%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return {text, text + std::char_traits<char>::length(text)};
}

std::u16string Decimal(int number) {
    std::string text = std::to_string(number);
    return {text.begin(), text.end()};
}

std::u16string FileName(const std::u16string& stamp, const std::u16string& operation, int number) {
    std::u16string name = stamp + u' ' + operation;
    if (number > 1)
        name += u" (" + Decimal(number) + u')';
    return name + kExtension;
}

bool IsDigit(char16_t unit) {
    return unit >= u'0' && unit <= u'9';
}

// Where a journal stands among the others: its time, then its number within that second.
struct JournalOrder {
    std::u16string stamp;
    int number = 1;
    std::u16string name;
    friend auto operator<=>(const JournalOrder&, const JournalOrder&) = default;
};

std::optional<JournalOrder> OrderOf(const std::u16string& name) {
    const std::u16string pattern = u"0000-00-00 00-00-00 ";
    if (name.size() < pattern.size() + kExtension.size() ||
        name.compare(name.size() - kExtension.size(), kExtension.size(), kExtension) != 0)
        return std::nullopt;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        if (pattern[i] == u'0' ? !IsDigit(name[i]) : name[i] != pattern[i])
            return std::nullopt;
    JournalOrder order{name.substr(0, kStampLength), 1, name};
    std::u16string rest = name.substr(0, name.size() - kExtension.size());
    std::size_t open = rest.rfind(u" (");
    if (open != std::u16string::npos && rest.back() == u')' && open + 3 < rest.size()) {
        std::u16string digits = rest.substr(open + 2, rest.size() - open - 3);
        if (digits.size() <= 6 && std::all_of(digits.begin(), digits.end(), IsDigit))
            order.number = std::stoi(std::string(digits.begin(), digits.end()));
    }
    return order;
}

bool SameFileName(const std::u16string& a, const std::u16string& b) {
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&](char16_t x, char16_t y) { return lower(x) == lower(y); });
}

[[noreturn]] void CannotCreate(const std::u16string& name) {
    throw EFCreateError("Cannot create file " + Utf16ToCp1250(name));
}

} // namespace

std::u16string JournalFolder::Add(const LocalTime& started, const std::u16string& operation,
                                  const std::string& content) {
    std::u16string stamp = Stamp(started);
    if (path_.empty())
        CannotCreate(FileName(stamp, operation, 1));
    if (!files_.CreateFolder(path_))
        CannotCreate(path_ + u'\\' + FileName(stamp, operation, 1));
    // One listing serves both the choice of the name and the clean-up: under Wine each is a
    // round trip per file.
    std::vector<std::u16string> present = files_.FindFiles(path_ + u"\\*" + kExtension);
    auto isTaken = [&](const std::u16string& name) {
        return std::any_of(present.begin(), present.end(),
                           [&](const std::u16string& p) { return SameFileName(p, name); });
    };
    int number = 1;
    while (isTaken(FileName(stamp, operation, number)))
        ++number;
    std::u16string fullName = path_ + u'\\' + FileName(stamp, operation, number);
    if (!files_.CreateNewFile(fullName, content))
        CannotCreate(fullName);
    RemoveOldest(present);
    return fullName;
}

// The journal just written is not among `present`, so it is kept whatever its time says (the
// clock may have been put back).
void JournalFolder::RemoveOldest(const std::vector<std::u16string>& present) {
    std::vector<JournalOrder> journals;
    for (const std::u16string& name : present)
        if (std::optional<JournalOrder> order = OrderOf(name))
            journals.push_back(std::move(*order));
    if (journals.size() < kKept)
        return;
    std::sort(journals.begin(), journals.end());
    for (std::size_t i = 0; i + kKept - 1 < journals.size(); ++i)
        files_.RemoveFile(path_ + u'\\' + journals[i].name);
}
