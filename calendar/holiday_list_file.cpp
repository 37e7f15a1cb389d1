#include "calendar/holiday_list_file.h"

#include <QStringDecoder>
#include <optional>

#include "toolkit/text_file.h"

namespace rdx508 {

namespace {

// The header in UTF-8 and in code page 932.
constexpr QByteArrayView kHeaderUtf8 = "国民の祝日・休日月日,国民の祝日・休日名称";
constexpr QByteArrayView kHeaderCp932 =
    "\x8d\x91\x96\xaf\x82\xcc\x8f\x6a\x93\xfa\x81\x45\x8b\x78\x93\xfa\x8c\x8e\x93\xfa,"
    "\x8d\x91\x96\xaf\x82\xcc\x8f\x6a\x93\xfa\x81\x45\x8b\x78\x93\xfa\x96\xbc\x8f\xcc";
constexpr QByteArrayView kByteOrderMark = "\xef\xbb\xbf";
constexpr qsizetype kShownLength = 60;  // characters of a bad line a message shows

QByteArrayView TrimmedBytes(QByteArrayView line) {
  while (!line.isEmpty() && (line.front() == ' ' || line.front() == '\t'))
    line = line.sliced(1);
  while (!line.isEmpty() && (line.back() == ' ' || line.back() == '\t'))
    line.chop(1);
  return line;
}

// A run of ASCII digits, `minDigits` to `maxDigits` long.
std::optional<int> Digits(QByteArrayView text, qsizetype minDigits, qsizetype maxDigits) {
  if (text.size() < minDigits || text.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The day of a holiday line "yyyy/m/d,名称" (the name may be missing; the date may be
// quoted); nullopt when the line names no real day.
std::optional<QDate> HolidayOf(QByteArrayView line) {
  const qsizetype comma = line.indexOf(',');
  QByteArrayView date = TrimmedBytes(comma >= 0 ? line.first(comma) : line);
  if (date.size() >= 2 && date.front() == '"' && date.back() == '"')
    date = TrimmedBytes(date.sliced(1, date.size() - 2));
  const qsizetype first = date.indexOf('/');
  if (first < 0) return std::nullopt;
  const qsizetype second = date.indexOf('/', first + 1);
  if (second < 0) return std::nullopt;
  const auto year = Digits(date.first(first), 4, 4);
  const auto month = Digits(date.sliced(first + 1, second - first - 1), 1, 2);
  const auto day = Digits(date.sliced(second + 1), 1, 2);
  if (!year || !month || !day || !QDate::isValid(*year, *month, *day)) return std::nullopt;
  return QDate(*year, *month, *day);
}

// A line's text for a message: decoded as the file is, control characters shown as "?",
// cut to a readable length.
QString ShownText(QByteArrayView line, bool utf8) {
  QString text;
  if (utf8) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    text = decoder.decode(line);
  } else {
    text = DecodeCp932(line);
  }
  for (QChar& c : text)
    if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.unicode() == 0x1A) c = u'?';
  if (text.size() > kShownLength) text = text.first(kShownLength) + u'…';
  return text;
}

// Whether the bytes read as UTF-8 without a fault.
bool IsUtf8(QByteArrayView bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  [[maybe_unused]] const QString text = decoder.decode(bytes);
  return !decoder.hasError();
}

}  // namespace

HolidayListReading ReadHolidayList(QByteArrayView bytes) {
  HolidayListReading reading;
  bool utf8 = bytes.startsWith(kByteOrderMark);
  if (utf8) bytes = bytes.sliced(kByteOrderMark.size());

  QByteArrayView firstBad;
  auto bad = [&](int32_t lineNumber, QByteArrayView line) {
    if (reading.badLines++ == 0) {
      reading.firstBadLine = lineNumber;
      firstBad = line;
    }
  };

  int32_t lineNumber = 0;
  qsizetype start = 0;
  while (start < bytes.size() || lineNumber == 0) {
    // Lines end at CR LF, a lone LF or a lone CR.
    qsizetype end = start;
    while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
      ++end;
    const QByteArrayView line = TrimmedBytes(bytes.sliced(start, end - start));
    start = end;
    if (start < bytes.size() && bytes[start] == '\r') ++start;
    if (start < bytes.size() && bytes[start] == '\n') ++start;
    ++lineNumber;

    if (lineNumber == 1) {
      if (line == kHeaderUtf8) {
        reading.headerOk = true;
        utf8 = true;
        continue;
      }
      if (line == kHeaderCp932) {
        reading.headerOk = true;
        continue;
      }
      bad(lineNumber, line);  // no header; the line may still be a holiday
      if (const auto day = HolidayOf(line)) reading.days.push_back(*day);
      continue;
    }
    if (line.isEmpty()) continue;
    if (const auto day = HolidayOf(line)) {
      reading.days.push_back(*day);
    } else {
      bad(lineNumber, line);
    }
  }

  if (reading.badLines > 0)
    reading.firstBadText = ShownText(firstBad, utf8 || (!reading.headerOk && IsUtf8(bytes)));
  return reading;
}

}  // namespace rdx508
