#pragma once
// The step of each encoding, for one row. Rows whose encoding opens its own keys get the
// registry at the row's root with no key open; the others get it with the row's key open.
class TRegistry;
struct BoundRow;

void ReadRow(TRegistry& registry, const BoundRow& row);
void ApplyRow(TRegistry& registry, const BoundRow& row);
