#pragma once
// Internal to app/. Reading a data file of the program's line form one line at a time, for the files that
// have no size limit (the archive, the notes): memory stays bounded whatever the size.

#include <QFile>
#include <QStringView>
#include <functional>

namespace rdx508 {

// The longest line kept for reading; a longer one arrives cut short.
inline constexpr qsizetype kMaxFileLineBytes = 1024 * 1024;

// Hands every line of the open `file` to `take` with its number (from 1), its text and
// whether it was cut short. Lines end at CR LF, a lone LF or a lone CR; the text is code
// page 932, or UTF-8 when the file begins with a byte order mark (characters code page
// 932 cannot hold read as U+001A, so that what was read can be saved again). Returns
// false when the file could not be read to its end.
bool ForEachTextLine(QFile& file, const std::function<void(qint64 number, QStringView text, bool cut)>& take);

}  // namespace rdx508
