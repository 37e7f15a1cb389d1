#pragma once
// Start-up: the settings file and the two data files read into process-wide tables.

#include <QString>
#include <cstdint>

#include "toolkit/clb_c1.h"
#include "toolkit/value.h"

namespace rdx508 {

struct StartupTables {
  Table3 INI, DayTbl, ColorTbl;
};

// Reads the settings file and both data files. Returns "" when all three were read,
// otherwise the start-up notice's message ("INIなし", "INI(1, 1, x)なし", "INI(1, 3, x)なし").
QString ReadStartupFiles(CLB_C1& clb, StartupTables& tables);

// The path that settings row `row` of section 1 names: field 2 when it is not empty,
// otherwise the program folder followed directly by field 3.
// A row or field that the table lacks counts as empty.
QString DataFilePath(const Table3& INI, int32_t row, const QString& programFolder);

// Whether section 1 of the settings table has a row `row` at all (rows counted 1, 2, ...
// in the reader's order).
bool HasSettingsRow(const Table3& INI, int32_t row);

}  // namespace rdx508
