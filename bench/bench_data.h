#pragma once
// Synthetic inputs for the benchmarks: a day file of any length and a whole program folder
// (settings, day file, colour-range file).

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace rdx508::bench {

// A day file in code page 932 with CR LF: header, comment and `lines` - 1 data lines
// (section 1 up to row 999, further lines in sections 2, 3, ..., all of them declared).
// Data line i holds the i-th weekday before 2024/11/29 in the short date form.
QByteArray DayFileBytes(int lines);

// An archive file in code page 932 with CR LF: header, comment and `days` days at
// positions 999, 1000, ..., the weekdays before those of the day file.
QByteArray ArchiveFileBytes(int days);

// Writes the settings file, a day file of `days` days (at most 998) and a colour-range
// file into `folder`; false when a file cannot be written.
bool WriteProgramFolder(const QString& folder, int days);

}  // namespace rdx508::bench
