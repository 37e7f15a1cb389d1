#include "app/files/file_lines.h"

#include <QByteArray>
#include <QString>
#include <algorithm>

#include "toolkit/text_file.h"

namespace rdx508 {

namespace {

constexpr qint64 kBlockBytes = 64 * 1024;

// Hands every line of `file` to `take`, reading one block at a time. CR and LF never occur
// inside a double-byte character of code page 932 or of UTF-8.
template <typename Take>
bool ForEachByteLine(QFile& file, Take take) {
  QByteArray block(kBlockBytes, Qt::Uninitialized);
  QByteArray line;
  bool cut = false;
  bool afterCr = false;  // the previous block ended in CR: an LF next belongs to it
  for (;;) {
    const qint64 got = file.read(block.data(), kBlockBytes);
    if (got < 0) return false;
    if (got == 0) break;
    const char* data = block.constData();
    const char* const end = data + got;
    if (afterCr && *data == '\n') ++data;
    afterCr = false;
    while (data < end) {
      const char* stop = data;
      while (stop < end && *stop != '\r' && *stop != '\n')
        ++stop;
      const qsizetype room = kMaxFileLineBytes - line.size();
      if (stop - data > room) cut = true;
      line.append(data, std::min<qsizetype>(stop - data, room));
      if (stop == end) break;  // the line goes on in the next block
      take(QByteArrayView(line), cut);
      line.clear();
      cut = false;
      if (*stop == '\r') {
        if (stop + 1 == end) {
          afterCr = true;
        } else if (stop[1] == '\n') {
          ++stop;
        }
      }
      data = stop + 1;
    }
  }
  if (!line.isEmpty() || cut) take(QByteArrayView(line), cut);
  return true;
}

// Whether every byte is a printable ASCII character, which code page 932 reads as itself
// (its decoder maps some control bytes, 1A, 1C and 7F, to other characters).
bool IsPrintableAscii(QByteArrayView bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

// A line's text, into `text` (whose memory is used again from line to line).
void LineText(QByteArrayView bytes, bool utf8, QString& text) {
  if (IsPrintableAscii(bytes)) {
    text.resize(0);
    text.append(QLatin1StringView(bytes));
  } else if (!utf8) {
    text = DecodeCp932(bytes);
  } else {
    text = QString::fromUtf8(bytes);
    SubstituteUnencodable(text);
  }
}

}  // namespace

bool ForEachTextLine(QFile& file,
                     const std::function<void(qint64 number, QStringView text, bool cut)>& take) {
  qint64 number = 0;
  bool utf8 = false;
  QString text;
  return ForEachByteLine(file, [&](QByteArrayView bytes, bool cut) {
    if (++number == 1 && bytes.startsWith("\xEF\xBB\xBF")) {
      utf8 = true;
      bytes = bytes.sliced(3);
    }
    LineText(bytes, utf8, text);
    take(number, text, cut);
  });
}

}  // namespace rdx508
