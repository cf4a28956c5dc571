#pragma once
// Read and Apply walk the bound rows key by key: each run of rows that share a key is one
// visit that opens the key, runs the rows' steps and closes it. A visit whose key does not
// open skips its rows.
#include <vector>

class TRegistry;
struct BoundRow;

// Rows in Read's order; keys are opened only when they are there, never created.
void ReadCatalogue(TRegistry& registry, const std::vector<BoundRow>& rows);
// Rows in Apply's order; every visited key is created when missing, marked rows or not.
void ApplyCatalogue(TRegistry& registry, const std::vector<BoundRow>& rows);
