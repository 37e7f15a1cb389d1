#include "app/files/table_entry.h"

#include <algorithm>

#include "toolkit/numeric.h"

namespace rdx508 {

const Value& EntryOrEmpty(const Table3& table, int32_t field, int32_t row, int32_t section) {
  static const Value empty;
  if (field < 0 || row < 0 || section < 0) return empty;
  if (field > table.upperBound(0) || row > table.upperBound(1) || section > table.upperBound(2)) return empty;
  return table(field, row, section);
}

int32_t SectionRowCount(const Table3& table, int32_t section) {
  const Value& entry = EntryOrEmpty(table, 0, section, 0);
  if (!entry.isNumeric()) return 0;
  return std::max(RoundToInt32Clamped(entry.toNumber()), 0);
}

}  // namespace rdx508
