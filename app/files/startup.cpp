#include "app/files/startup.h"

#include "app/files/table_entry.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// Reads one data file named by a settings row. A row that is missing or names no file
// resolves to the bare program folder, which is not a file: it counts as unreadable
// without asking the reader to open a folder.
bool ReadDataFile(CLB_C1& clb, const Table3& INI, int32_t row, Table3& table) {
  const QString folder = clb.host().programFolder();
  if (!HasSettingsRow(INI, row)) return false;
  const QString path = DataFilePath(INI, row, folder);
  if (path == folder) return false;
  return clb.T_Read(path, table) >= 1;
}

}  // namespace

QString ReadStartupFiles(CLB_C1& clb, StartupTables& tables) {
  const QString settingsPath = clb.host().programFolder() + u"\\RDX508_INIT.TXT"_s;
  if (clb.T_Read(settingsPath, tables.INI) < 1) return u"INIなし"_s;
  if (!ReadDataFile(clb, tables.INI, 1, tables.DayTbl)) return u"INI(1, 1, x)なし"_s;
  if (!ReadDataFile(clb, tables.INI, 3, tables.ColorTbl)) return u"INI(1, 3, x)なし"_s;
  return {};
}

QString DataFilePath(const Table3& INI, int32_t row, const QString& programFolder) {
  const QString fullPath = EntryOrEmpty(INI, 2, row, 1).toText();
  if (!fullPath.isEmpty()) return fullPath;
  return programFolder + EntryOrEmpty(INI, 3, row, 1).toText();
}

bool HasSettingsRow(const Table3& INI, int32_t row) {
  return row >= 1 && row <= SectionRowCount(INI, 1);
}

}  // namespace rdx508
