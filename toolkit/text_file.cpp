#include "toolkit/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "toolkit/cp932.h"

namespace rdx508 {
namespace {

FileFailure OsFailure(int number) {
  return {number, QString::fromLocal8Bit(std::strerror(number))};
}

}  // namespace

QString PlatformPath(const QString& path) {
  QString result = path;
  result.replace(u'\\', u'/');
  return result;
}

std::optional<QByteArray> ReadFileBytes(const QString& path, FileFailure* failure) {
  const QString name = PlatformPath(path);
  auto fail = [&](FileFailure reason) -> std::optional<QByteArray> {
    if (failure) *failure = reason;
    return std::nullopt;
  };
  if (name.isEmpty()) return fail(OsFailure(ENOENT));
  const QFileInfo info(name);
  if (!info.exists()) return fail(OsFailure(ENOENT));
  if (info.isDir()) return fail(OsFailure(EISDIR));
  if (!info.isFile()) return fail(OsFailure(EINVAL));  // devices and pipes could block forever

  QFile file(name);
  errno = 0;
  if (!file.open(QIODevice::ReadOnly)) {
    const int number = errno != 0 ? errno : static_cast<int>(file.error());
    return fail({number, file.errorString()});
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return fail({static_cast<int>(file.error()), file.errorString()});
  return bytes;
}

QString DecodeCp932(QByteArrayView bytes) {
  // Whether the text ends inside a double-byte character. A byte that cannot open one
  // ends a character, so only the bytes after the last such byte need a look: read in
  // pairs from there, an odd number of them leaves a lead byte without its trail byte.
  qsizetype run = 0;
  while (run < bytes.size() && IsCp932LeadByte(static_cast<unsigned char>(bytes[bytes.size() - 1 - run])))
    ++run;
  const bool endsInsideCharacter = run % 2 == 1;
  QString text = cp932::Decode(endsInsideCharacter ? bytes.first(bytes.size() - 1) : bytes);
  // The decoder drops a lone final lead byte; show it like any other undecodable byte.
  if (endsInsideCharacter) text += QChar(0x1A);
  SubstituteUndecodable(text);
  return text;
}

void SubstituteUndecodable(QString& text) {
  // Unassigned double-byte codes come out of the decoder as U+FFFD, which the code page
  // cannot hold: such a text could never be saved again.
  text.replace(QChar(0xFFFD), QChar(0x1A));
}

void SubstituteUnencodable(QString& text) {
  if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return cp932::CanEncode(c.unicode()); })) return;
  QString kept;
  kept.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    // A surrogate pair is one character, and the code page holds none beyond U+FFFF.
    const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    kept += !pair && cp932::CanEncode(text[i].unicode()) ? text[i] : QChar(0x1A);
    if (pair) ++i;
  }
  text = std::move(kept);
}

std::vector<QStringView> KeptLines(QStringView text, bool (*passOver)(QStringView)) {
  std::vector<QStringView> lines;
  qsizetype start = 0;
  const qsizetype size = text.size();
  // The next CR and the next LF at or after `start` (size when there is none), each found
  // with the library's vectorised search and looked for again only once passed.
  auto next = [&](char16_t c, qsizetype from) {
    const qsizetype at = text.indexOf(QChar(c), from);
    return at < 0 ? size : at;
  };
  qsizetype cr = next(u'\r', 0), lf = next(u'\n', 0);
  while (start < size && lines.size() < static_cast<size_t>(kMaxKeptLines)) {
    if (cr < start) cr = next(u'\r', start);
    if (lf < start) lf = next(u'\n', start);
    qsizetype end = std::min(cr, lf);
    const QStringView line = text.mid(start, end - start);
    if (!passOver || !passOver(line)) lines.push_back(line);
    if (end < size && text[end] == u'\r' && end + 1 < size && text[end + 1] == u'\n') ++end;
    start = end + 1;
  }
  return lines;
}

std::optional<std::vector<QString>> ReadKeptLines(const QString& path) {
  const std::optional<QByteArray> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  const QString text = DecodeCp932(*bytes);
  std::vector<QString> lines;
  for (QStringView line : KeptLines(text))
    lines.push_back(line.toString());
  return lines;
}

}  // namespace rdx508
