#include "platform/string_list.h"

#include "platform/exceptions.h"
#include "platform/services.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <string_view>

namespace {

[[noreturn]] void IndexOutOfBounds(int index) {
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

bool LessText(const std::string& a, const std::string& b) {
    return CompareTextAnsi(a, b) < 0;
}

} // namespace

const std::string& TStringList::operator[](int index) const {
    if (index < 0 || index >= Count())
        IndexOutOfBounds(index);
    return lines_[index];
}

void TStringList::SetSorted(bool sorted) {
    if (sorted && !sorted_)
        std::stable_sort(lines_.begin(), lines_.end(), LessText);
    sorted_ = sorted;
}

int TStringList::Add(const std::string& line) {
    if (!sorted_) {
        lines_.push_back(line);
        return Count() - 1;
    }
    auto first = std::lower_bound(lines_.begin(), lines_.end(), line, LessText);
    if (first != lines_.end() && CompareTextAnsi(*first, line) == 0) {
        if (duplicates_ == TDuplicates::dupIgnore)
            return static_cast<int>(first - lines_.begin());
        if (duplicates_ == TDuplicates::dupError)
            throw EStringListError("String list does not allow duplicates");
    }
    // An equal line goes after the equal ones already there, so adding keeps arrival order.
    auto place = std::upper_bound(first, lines_.end(), line, LessText);
    auto index = place - lines_.begin();
    lines_.insert(place, line);
    return static_cast<int>(index);
}

void TStringList::Insert(int index, const std::string& line) {
    if (index < 0 || index > Count())
        IndexOutOfBounds(index);
    lines_.insert(lines_.begin() + index, line);
}

void TStringList::Set(int index, const std::string& line) {
    if (index < 0 || index >= Count())
        IndexOutOfBounds(index);
    lines_[index] = line;
}

void TStringList::Delete(int index) {
    if (index < 0 || index >= Count())
        IndexOutOfBounds(index);
    lines_.erase(lines_.begin() + index);
}

int TStringList::IndexOf(const std::string& line) const {
    for (int i = 0; i < Count(); ++i)
        if (CompareTextAnsi(lines_[i], line) == 0)
            return i;
    return -1;
}

std::string TStringList::Names(int index) const {
    const std::string& line = (*this)[index];
    std::size_t equals = line.find('=');
    return equals == std::string::npos ? std::string() : line.substr(0, equals);
}

int TStringList::IndexOfName(const std::string& name) const {
    // A line without "=" has no name, so it never matches, not even "".
    for (int i = 0; i < Count(); ++i) {
        std::size_t equals = lines_[i].find('=');
        if (equals != std::string::npos && CompareTextAnsi(lines_[i].substr(0, equals), name) == 0)
            return i;
    }
    return -1;
}

std::string TStringList::Values(const std::string& name) const {
    int index = IndexOfName(name);
    if (index < 0)
        return {};
    const std::string& line = lines_[index];
    return line.substr(line.find('=') + 1);
}

void TStringList::SetValue(const std::string& name, const std::string& value) {
    int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    std::string line = name + "=" + value;
    if (index >= 0)
        lines_[index] = std::move(line);
    else
        Add(line);
}

void TStringList::SetText(const std::string& bytes) {
    Clear();
    std::string_view text(bytes.data(), std::min(bytes.find('\0'), bytes.size()));
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            Add(std::string(text.substr(start)));
            break;
        }
        Add(std::string(text.substr(start, end - start)));
        bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (crlf ? 2 : 1);
    }
}

std::string TStringList::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TStringList::LoadFromFile(FileSystem& files, const std::string& name) {
    std::optional<std::string> content = files.ReadFile(name);
    if (!content)
        throw EFOpenError("Cannot open file " + name);
    SetText(*content);
}

void TStringList::SaveToFile(FileSystem& files, const std::string& name) const {
    if (!files.ReplaceContent(name, Text()))
        throw EFCreateError("Cannot create file " + name);
}
