#pragma once
// The change marks between two Reads: ChangeCount counts change events (not marked
// controls), ReadInProgress keeps the change handlers quiet while Read fills the controls,
// and the apply button is enabled exactly while ChangeCount is non-zero.
#include "platform/types.h"

class TControl;
class TSpeedButton;

inline constexpr TColor MarkedColor = clBlue;
inline constexpr TColor UnmarkedColor = clWindowText;

class ChangeTracker {
public:
    explicit ChangeTracker(TSpeedButton& zastosujButton) : zastosujButton_(zastosujButton) {}

    int ChangeCount() const { return changeCount_; }
    void SetChangeCount(int count) { changeCount_ = count; }
    void AddChanges(int delta) { changeCount_ += delta; }
    bool ReadInProgress() const { return readInProgress_; }
    void SetReadInProgress(bool inProgress) { readInProgress_ = inProgress; }

    // ZastosujButton.Enabled = (ChangeCount != 0).
    void UpdateZastosujButton();

    // A control's change mark: its Tag, shown by its caption colour.
    static bool IsMarked(const TControl& holder);
    static void Mark(TControl& holder);
    static void Unmark(TControl& holder);

private:
    TSpeedButton& zastosujButton_;
    int changeCount_ = 0;
    bool readInProgress_ = false;
};
