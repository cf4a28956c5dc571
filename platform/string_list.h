#pragma once
// TStringList: a list of 8-bit lines with name=value look-up, an optional sorted order, and
// loading and saving by the program's line rules.
#include <string>
#include <vector>

class FileSystem;

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList {
public:
    int Count() const { return static_cast<int>(lines_.size()); }
    // Raises "List index out of bounds (%d)" for a bad index.
    const std::string& operator[](int index) const;
    const std::vector<std::string>& Lines() const { return lines_; }

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }

    // Appends, or inserts at the sorted place when Sorted (Windows-1250 letters compared
    // without regard to case); returns the position the line took.
    int Add(const std::string& line);
    void Insert(int index, const std::string& line);
    void Set(int index, const std::string& line);
    void Delete(int index);
    void Clear() { lines_.clear(); }
    int IndexOf(const std::string& line) const;

    // The text before the first "=" of line `index` ("" when it has none).
    std::string Names(int index) const;
    // The first line whose name equals `name` ignoring letter case, or -1.
    int IndexOfName(const std::string& name) const;
    // Everything after the first "=" of that line; "" when there is none.
    std::string Values(const std::string& name) const;
    // A non-empty value replaces the first matching line in place (or appends one); an empty
    // value removes the first matching line.
    void SetValue(const std::string& name, const std::string& value);

    // The lines from raw bytes: CR LF, CR or LF ends a line, a last line without an end
    // counts, and a byte 0 ends the text.
    void SetText(const std::string& bytes);
    // Every line followed by CR LF.
    std::string Text() const;
    // Raises "Cannot open file %s" when the file cannot be read.
    void LoadFromFile(FileSystem& files, const std::string& name);
    // Replaces the file whole; raises "Cannot create file %s" when it cannot be written.
    void SaveToFile(FileSystem& files, const std::string& name) const;

private:
    std::vector<std::string> lines_;
    bool sorted_ = false;
    TDuplicates duplicates_ = TDuplicates::dupIgnore;
};
