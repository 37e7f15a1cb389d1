#include "app/csv/csv_text.h"

#include <QStringDecoder>

#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

bool StartsWith(QByteArrayView bytes, std::initializer_list<unsigned char> prefix) {
  if (bytes.size() < static_cast<qsizetype>(prefix.size())) return false;
  qsizetype i = 0;
  for (unsigned char b : prefix)
    if (static_cast<unsigned char>(bytes[i++]) != b) return false;
  return true;
}

QString Decode(QStringConverter::Encoding encoding, QByteArrayView bytes) {
  QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
  return decoder.decode(bytes);
}

}  // namespace

std::optional<DecodedCsv> DecodeCsv(QByteArrayView bytes) {
  DecodedCsv decoded;
  if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) {
    decoded = {Decode(QStringConverter::Utf8, bytes.sliced(3)), u"UTF-8"_s};
  } else if (StartsWith(bytes, {0xFF, 0xFE})) {
    decoded = {Decode(QStringConverter::Utf16LE, bytes.sliced(2)), u"UTF-16"_s};
  } else if (StartsWith(bytes, {0xFE, 0xFF})) {
    decoded = {Decode(QStringConverter::Utf16BE, bytes.sliced(2)), u"UTF-16"_s};
  } else {
    QStringDecoder utf8(QStringConverter::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
      decoded = {DecodeCp932(bytes), u"CP932"_s};
    else
      decoded = {std::move(text), u"UTF-8"_s};
  }
  if (decoded.text.contains(QChar(0))) return std::nullopt;
  return decoded;
}

void ForEachCsvRecord(QStringView text, QChar delimiter, const std::function<bool(const CsvRecord&)>& take) {
  const qsizetype n = text.size();
  qsizetype i = 0;
  int32_t line = 1;
  CsvRecord record;
  while (i < n) {
    record.line = line;
    record.fields.clear();
    record.unclosedQuote = false;
    bool endOfRecord = false;
    while (!endOfRecord) {
      QString field;
      if (i < n && text[i] == u'"') {
        // Quoted: up to the closing quote, "" standing for one quote.
        ++i;
        bool closed = false;
        while (i < n) {
          const QChar c = text[i];
          if (c == u'"') {
            if (i + 1 < n && text[i + 1] == u'"') {
              field += u'"';
              i += 2;
              continue;
            }
            ++i;
            closed = true;
            break;
          }
          if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') {
            field += u"\r\n"_s;
            i += 2;
            ++line;
            continue;
          }
          if (c == u'\r' || c == u'\n') ++line;
          field += c;
          ++i;
        }
        if (!closed) record.unclosedQuote = true;
      }
      // Unquoted text, or what follows a closing quote, up to the delimiter or line end.
      const qsizetype start = i;
      while (i < n && text[i] != delimiter && text[i] != u'\r' && text[i] != u'\n')
        ++i;
      field += text.sliced(start, i - start);
      if (record.fields.size() < kMaxCsvFields) record.fields.append(std::move(field));
      if (i >= n) {
        endOfRecord = true;
      } else if (text[i] == delimiter) {
        ++i;
      } else {
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        ++i;
        ++line;
        endOfRecord = true;
      }
    }
    if (!take(record)) return;
  }
}

bool IsBlankRecord(const CsvRecord& record) {
  for (const QString& field : record.fields)
    if (!field.trimmed().isEmpty()) return false;
  return true;
}

}  // namespace rdx508
