#include "app/files/companion_files.h"

#include <algorithm>

#include "app/files/startup.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// The file that settings row `row` names, or "" when the row is absent or names no file
// (it resolves to the bare program folder).
QString NamedFile(const Table3& INI, int32_t row, const QString& programFolder) {
  if (!HasSettingsRow(INI, row)) return {};
  const QString path = DataFilePath(INI, row, programFolder);
  return path == programFolder ? QString() : path;
}

// The file of settings row `row`, or `defaultName` in the folder of the day file written.
QString CompanionPath(const Table3& INI, int32_t row, const QString& defaultName,
                      const QString& programFolder) {
  const QString named = NamedFile(INI, row, programFolder);
  if (!named.isEmpty()) return named;
  const QString dayFile = NamedFile(INI, 2, programFolder);
  if (dayFile.isEmpty()) return {};
  // Both separators occur in settings files; the one found is kept.
  const qsizetype cut = std::max(dayFile.lastIndexOf(u'/'), dayFile.lastIndexOf(u'\\'));
  return dayFile.left(cut + 1) + defaultName;
}

}  // namespace

QString ArchiveFilePath(const Table3& INI, const QString& programFolder) {
  return CompanionPath(INI, kArchiveRow, u"RDX508_ARCHIVE.TXT"_s, programFolder);
}

QString NotesFilePath(const Table3& INI, const QString& programFolder) {
  return CompanionPath(INI, kNotesRow, u"RDX508_NOTES.TXT"_s, programFolder);
}

}  // namespace rdx508
