#pragma once
// A .reg file in the form the Registry Editor exports (version 5.00), which it and
// `reg import` apply: UTF-16LE with a byte-order mark, CR LF, a block per key. Every value
// type keeps its code and bytes exactly.
#include "platform/registry_store.h"

#include <optional>
#include <string>
#include <vector>

// A value line: the value with its data, or none for "name"=-, which removes it. The name ""
// is the default value, written @.
struct RegValueLine {
    std::u16string name;
    std::optional<ExactValue> value;
};

// [KEY] with its value lines, or [-KEY], which removes the key with everything below it. The
// key is its full name: the root's full name, a backslash and the path.
struct RegKeyBlock {
    std::u16string key;
    bool remove = false;
    std::vector<RegValueLine> values;
};

// The whole file, as bytes.
std::string RegFileContent(const std::vector<RegKeyBlock>& blocks);
// One value line as the file holds it, without its final CR LF; long hex data is carried on
// over further lines, each ending in a backslash.
std::u16string RegValueText(const RegValueLine& line);
