#include "toolkit/field_split.h"

namespace rdx508 {
namespace {

bool IsKeyed(const QString& mode) {
  return mode == u"=";
}

}  // namespace

QString TrimSpaces(QStringView text) {
  qsizetype begin = 0, end = text.size();
  while (begin < end && text[begin] == u' ')
    ++begin;
  while (end > begin && text[end - 1] == u' ')
    --end;
  return text.mid(begin, end - begin).toString();
}

QString FieldAt(const QString& line, int32_t number, const QString& separator, const QString& mode) {
  if (number < 0) return QString();
  const bool canSplit = separator.size() == 1;
  const QChar sep = canSplit ? separator[0] : QChar();
  const QStringView text(line);

  if (IsKeyed(mode)) {
    if (number <= 1) {
      const qsizetype firstEnd = canSplit ? text.indexOf(sep) : -1;
      const QStringView first = firstEnd < 0 ? text : text.left(firstEnd);
      const qsizetype eq = first.indexOf(u'=');
      if (number == 0) return eq < 0 ? QString() : TrimSpaces(first.left(eq));
      return TrimSpaces(eq < 0 ? first : first.mid(eq + 1));
    }
    if (!canSplit) return QString();
    // The k-th field follows the (k-1)-th separator.
    qsizetype start = 0;
    for (int32_t k = 1; k < number; ++k) {
      const qsizetype at = text.indexOf(sep, start);
      if (at < 0) return QString();
      start = at + 1;
    }
    const qsizetype end = text.indexOf(sep, start);
    return TrimSpaces(end < 0 ? text.mid(start) : text.mid(start, end - start));
  }

  // Bracket mode: the text after the number-th opening character, up to "]" or the next opener.
  if (!canSplit || number == 0) return QString();
  qsizetype start = 0;
  for (int32_t k = 0; k < number; ++k) {
    const qsizetype at = text.indexOf(sep, start);
    if (at < 0) return QString();
    start = at + 1;
  }
  qsizetype end = start;
  while (end < text.size() && text[end] != sep && text[end] != u']')
    ++end;
  return TrimSpaces(text.mid(start, end - start));
}

std::vector<QString> AllFields(const QString& line, const QString& separator, const QString& mode) {
  const bool canSplit = separator.size() == 1;
  const QStringView text(line);
  std::vector<QString> fields;
  if (!canSplit) {
    fields.push_back(FieldAt(line, 0, separator, mode));
    fields.push_back(FieldAt(line, 1, separator, mode));
    return fields;
  }
  const QChar sep = separator[0];
  if (IsKeyed(mode)) {
    fields.push_back(FieldAt(line, 0, separator, mode));
    fields.push_back(FieldAt(line, 1, separator, mode));
    qsizetype at = text.indexOf(sep);
    while (at >= 0) {
      const qsizetype next = text.indexOf(sep, at + 1);
      fields.push_back(TrimSpaces(next < 0 ? text.mid(at + 1) : text.mid(at + 1, next - at - 1)));
      at = next;
    }
    return fields;
  }
  fields.push_back(QString());
  qsizetype at = text.indexOf(sep);
  while (at >= 0) {
    qsizetype end = at + 1;
    while (end < text.size() && text[end] != sep && text[end] != u']')
      ++end;
    fields.push_back(TrimSpaces(text.mid(at + 1, end - at - 1)));
    at = text.indexOf(sep, at + 1);
  }
  return fields;
}

}  // namespace rdx508
