#pragma once
// What the registry holds now of everything a rehearsal recorded, as the .reg blocks that
// bring it back after the operation: first each deleted key whole (removed, then written as
// it was, values and sub-keys), then each changed value as it was ("name"=- for one that was
// not there), then the removal of each key that was not there (its topmost new ancestor is
// enough). Deleted keys come first, so that a class key restored under
// HKEY_CURRENT_USER\Software\Classes is in place before a value is written through
// HKEY_CLASSES_ROOT, which Windows sends there when it exists.
#include "undo/reg_file.h"

#include <vector>

class RealKeys;
struct RehearsalRecord;

std::vector<RegKeyBlock> PriorState(const RehearsalRecord& record, RealKeys& registry);
