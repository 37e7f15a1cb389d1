#pragma once
// The program's own files, which a CSV export must never replace.

#include <QString>

#include "toolkit/value.h"

namespace rdx508 {

// Whether `path` is the settings file or a file its rows name (day, colour-range, archive and
// notes files), by name or, where both exist, as the same file reached another way.
bool IsProgramFile(const Table3& INI, const QString& folder, const QString& path);

// The message for an export aimed at one of those files.
QString ProgramFileExportMessage(const QString& path);

}  // namespace rdx508
