#pragma once
// Internal to app/. Reading entries of a table filled from a file, where a short or odd file may leave out
// entries the program asks for.

#include <cstdint>

#include "toolkit/value.h"

namespace rdx508 {

// Entry (field, row, section) of the table, or an empty value when the table has no
// such entry.
const Value& EntryOrEmpty(const Table3& table, int32_t field, int32_t row, int32_t section);

// The number of rows that the reader filed in `section` (directory entry (0, section, 0)),
// 0 when the entry is missing, empty or not a number.
int32_t SectionRowCount(const Table3& table, int32_t section);

}  // namespace rdx508
