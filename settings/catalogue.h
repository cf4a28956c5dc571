#pragma once
// The settings catalogue: every setting control of the main window as one row that says
// where its value lives and how it is encoded. Read, Apply and the profiles walk it; a
// setting is changed by changing its row.
#include "platform/registry_store.h"

#include <cstdint>
#include <string>
#include <vector>

enum class Encoding {
    // REG_DWORD on-value when ticked, deleted when unticked; a REG_BINARY whose first byte
    // is 1 also reads as ticked.
    PolicyFlag,
    // REG_SZ on-text or off-text, compared byte for byte.
    TextFlag,
    // The edit's text as a REG_SZ.
    EditText,
    // EditText of the value "InfoTip" of a shell class key; a missing class key leaves the
    // edit as it is, and Apply creates the key.
    InfoTip,
    // EditText written without leading and trailing control characters and spaces.
    TrimmedEditText,
    // EditText, but an empty text deletes the value.
    EditTextOrDelete,
    // The first byte of a 4-byte REG_BINARY that the shell keeps: on-value or off-value,
    // the other bytes written back as read; never created.
    BinaryFirstByte,
    // Ticked when the value is absent: ticking deletes it, unticking writes the off-text.
    AbsenceFlag,
    // The default value of a class's DefaultIcon key, where the class is named by the
    // default value of the row's key.
    ClassIcon,
    // A text flag kept in the default values of two keys; ticked only when both hold the
    // on-text.
    PairedIcons,
    // A text flag written to two values; the second is read only when the first leaves
    // the box unticked.
    TwoPlaceText,
};

struct SettingRow {
    std::string control;
    RootKey root = RootKey::CurrentUser;
    std::string key;
    std::string value;
    Encoding encoding = Encoding::PolicyFlag;
    // PolicyFlag and BinaryFirstByte.
    std::uint32_t onValue = 1;
    std::uint32_t offValue = 0;
    // TextFlag and the class rows.
    std::string onText;
    std::string offText;
    // The second place of PairedIcons and TwoPlaceText.
    std::string secondKey;
    std::string secondValue;
    // Read visits this row right after the row of that control instead of at its place.
    std::string readAfter;
};

// The rows in the order in which Apply visits them.
const std::vector<SettingRow>& Catalogue();

// An edit row (else a check box row).
bool HoldsEdit(Encoding encoding);
// A row whose steps open their keys themselves (else the walk opens the row's key).
bool OpensOwnKeys(Encoding encoding);
