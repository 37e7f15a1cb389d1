#pragma once
// Internal to app/. Dates and numbers in a spreadsheet's CSV fields, and the date texts the program keeps.
// Field texts are read width-insensitively (full-width digits and signs count as ASCII).

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

namespace rdx508 {

// A field's reading: the value, or why it has none (a short Japanese reason).
template <typename T>
struct FieldValue {
  std::optional<T> value;
  QString why;
};

// The calendar date of a field written yyyy/m/d, yyyy-m-d, yy/m/d, yyyy年m月d日 or
// yyyymmdd (a one-digit year is refused). Two-digit years follow the program's two-digit-year rule.
FieldValue<QDate> CsvDate(const QString& field);

// The short date text "yy/mm/dd" the program keeps a day under; nullopt when the
// two-digit-year rule would not read it back as the same year.
std::optional<QString> ShortDateText(const QDate& date);

// The first and last years a short date text can stand for.
int32_t FirstShortYear();
int32_t LastShortYear();

// A stored date text in the long form "yyyy/mm/dd"; a text that names no date as it is.
QString LongDateText(const QString& stored);

// An index value: a number with optional grouping commas (between groups of three
// digits only, so that a decimal comma is refused, not read as grouping) and surrounding
// blanks; an empty field is 0.
FieldValue<double> CsvIndex(const QString& field);

// An issue count: as an index value, rounded half to even, within the 32-bit range (a
// negative count too, as the day file can hold one).
FieldValue<int32_t> CsvCount(const QString& field);

}  // namespace rdx508
