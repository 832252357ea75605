// Small shared functions on in-memory tables.
#pragma once

namespace zorvat {

class MemTable;

// True when the table is open and has at least one row.
bool KayitVarmi(const MemTable& tablo);

// True when the table is open, has rows and one of them has SEC = 1; walks from the first
// row and leaves the cursor on the first such row (past the last row when there is none).
bool SeciliVarmi(MemTable& tablo);

// Gives every plain floating-point field the money display format "#,###,##0.00"; other
// fields (currency and BCD included) are left alone.
void FloatAlanBicimle(MemTable& tablo);

}  // namespace zorvat
