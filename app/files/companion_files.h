#pragma once
// Internal to app/. The files kept beside the day file: the archive of the days beyond the grid's 998, and
// the notes of the days. Their paths come from optional settings rows 6 and 7.

#include <QString>

#include "toolkit/value.h"

namespace rdx508 {

inline constexpr int32_t kArchiveRow = 6;  // 保管ファイル
inline constexpr int32_t kNotesRow = 7;    // メモファイル

// The archive's path: settings row 6 when it names a file (resolved like rows 1-4),
// otherwise RDX508_ARCHIVE.TXT in the folder of the day file written (row 2). "" when
// neither row names a file.
QString ArchiveFilePath(const Table3& INI, const QString& programFolder);

// The notes file's path: settings row 7, otherwise RDX508_NOTES.TXT beside the day file
// written, by the same rule.
QString NotesFilePath(const Table3& INI, const QString& programFolder);

}  // namespace rdx508
