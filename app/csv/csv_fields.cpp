#include "app/csv/csv_fields.h"

#include <algorithm>

#include "calendar/date_text.h"
#include "calendar/two_digit_year.h"
#include "toolkit/numeric.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// The field as ASCII where it has a width-insensitive ASCII form, without surrounding
// blanks. Plain ASCII, by far the most common, skips the normalisation.
QString Normalised(const QString& field) {
  const bool ascii = std::all_of(field.cbegin(), field.cend(), [](QChar c) { return c.unicode() < 0x80; });
  QString text = ascii ? field : field.normalized(QString::NormalizationForm_KC);
  text.replace(QChar(0x2212), u'-');  // the minus sign of typeset text
  return text.trimmed();
}

// The field as a message shows it: in corner brackets, long texts cut short.
QString Quoted(const QString& field) {
  constexpr qsizetype kShown = 24;
  const QString shown = field.size() > kShown ? field.left(kShown) + u'…' : field;
  return u'「' + shown + u'」';
}

// A run of ASCII digits at `i`: its value and length; length 0 when there is none.
struct DigitRun {
  int32_t value = 0;
  qsizetype length = 0;
};
DigitRun Digits(const QString& text, qsizetype& i) {
  DigitRun run;
  while (i < text.size() && text[i] >= u'0' && text[i] <= u'9' && run.length < 9) {
    run.value = run.value * 10 + (text[i].unicode() - u'0');
    ++run.length;
    ++i;
  }
  return run;
}

struct DateParts {
  int32_t year = 0, month = 0, day = 0;
  bool twoDigitYear = false;
};

// The parts of a date in one of the accepted forms; nullopt for any other text.
std::optional<DateParts> SplitDate(const QString& text) {
  qsizetype i = 0;
  const DigitRun first = Digits(text, i);
  if (first.length == 8 && i == text.size())
    return DateParts{first.value / 10000, first.value / 100 % 100, first.value % 100, false};
  // A year is written with four digits or two; one digit (as in the US form m/d/yy read
  // the wrong way round) names no year.
  if (i >= text.size() || (first.length != 4 && first.length != 2)) return std::nullopt;
  const QChar sep1 = text[i++];
  const DigitRun month = Digits(text, i);
  if (month.length < 1 || month.length > 2 || i >= text.size()) return std::nullopt;
  const QChar sep2 = text[i++];
  const DigitRun day = Digits(text, i);
  if (day.length < 1 || day.length > 2) return std::nullopt;
  const QStringView rest = QStringView(text).sliced(i);

  const bool fullYear = first.length == 4;
  const bool slashes = sep1 == u'/' && sep2 == u'/' && rest.isEmpty();
  const bool dashes = sep1 == u'-' && sep2 == u'-' && rest.isEmpty() && fullYear;
  const bool written = sep1 == u'年' && sep2 == u'月' && rest == u"日" && fullYear;
  if (!slashes && !dashes && !written) return std::nullopt;
  return DateParts{first.value, month.value, day.value, !fullYear};
}

}  // namespace

FieldValue<QDate> CsvDate(const QString& field) {
  const QString text = Normalised(field);
  if (text.isEmpty()) return {std::nullopt, u"日付がありません"_s};
  const std::optional<DateParts> parts = SplitDate(text);
  if (!parts) return {std::nullopt, u"日付として読めません"_s + Quoted(field)};
  const int32_t year = parts->twoDigitYear ? FullYearFromTwoDigits(parts->year) : parts->year;
  const QDate date(year, parts->month, parts->day);
  if (!date.isValid() || year < 1) return {std::nullopt, u"ありえない日付です"_s + Quoted(field)};
  return {date, {}};
}

std::optional<QString> ShortDateText(const QDate& date) {
  if (!date.isValid() || date.year() < 0) return std::nullopt;
  const int32_t yy = date.year() % 100;
  if (FullYearFromTwoDigits(yy) != date.year()) return std::nullopt;
  const QString text = QString::asprintf("%02d/%02d/%02d", yy, date.month(), date.day());
  // The text must read back as the same day under the one rule that reads date texts.
  if (DateFromText(text) != date) return std::nullopt;
  return text;
}

int32_t FirstShortYear() {
  int32_t first = FullYearFromTwoDigits(0);
  for (int32_t yy = 1; yy < 100; ++yy)
    first = std::min(first, FullYearFromTwoDigits(yy));
  return first;
}

int32_t LastShortYear() {
  int32_t last = FullYearFromTwoDigits(0);
  for (int32_t yy = 1; yy < 100; ++yy)
    last = std::max(last, FullYearFromTwoDigits(yy));
  return last;
}

QString LongDateText(const QString& stored) {
  // The short form the program keeps, "yy/mm/dd", read without splitting the text.
  const auto digit = [&stored](qsizetype i) { return stored[i] >= u'0' && stored[i] <= u'9'; };
  if (stored.size() == 8 && stored[2] == u'/' && stored[5] == u'/' && digit(0) && digit(1) && digit(3) &&
      digit(4) && digit(6) && digit(7)) {
    const auto two = [&stored](qsizetype i) {
      return (stored[i].unicode() - u'0') * 10 + stored[i + 1].unicode() - u'0';
    };
    const int32_t year = FullYearFromTwoDigits(two(0));
    if (year >= 1000 && year <= 9999 && QDate::isValid(year, two(3), two(6)))
      return QString::number(year) + stored.mid(2);
  }
  const std::optional<QDate> date = DateFromText(stored);
  if (!date) return stored;
  return QString::asprintf("%04d/%02d/%02d", date->year(), date->month(), date->day());
}

namespace {

// Whether the commas of a number group its integer digits by three ("2,680.71"): a comma
// anywhere else is a decimal comma or a typo, and reading it as grouping would multiply
// the value.
bool GroupedByThousands(const QString& text) {
  const qsizetype comma = text.indexOf(u',');
  if (comma < 0) return true;
  const qsizetype start = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
  qsizetype end = text.indexOf(u'.');
  if (end < 0) end = text.size();
  // One to three digits before the first comma, then groups of a comma and three digits.
  if (comma - start < 1 || comma - start > 3 || comma > end || (end - comma) % 4 != 0) return false;
  for (qsizetype i = comma; i < end; ++i)
    if ((text[i] == u',') != ((i - comma) % 4 == 0)) return false;
  return text.indexOf(u',', end) < 0;
}

}  // namespace

FieldValue<double> CsvIndex(const QString& field) {
  const QString text = Normalised(field);
  if (text.isEmpty()) return {0.0, {}};
  if (const std::optional<double> value = GroupedByThousands(text) ? ParseNumber(text) : std::nullopt)
    return {*value, {}};
  return {std::nullopt, u"数値として読めません"_s + Quoted(field)};
}

FieldValue<int32_t> CsvCount(const QString& field) {
  const FieldValue<double> number = CsvIndex(field);
  if (!number.value) return {std::nullopt, number.why};
  // A negative count is read as the day file holds it: what the program stores and exports
  // must import again.
  const std::optional<int32_t> count = RoundToInt32(*number.value);
  if (!count) return {std::nullopt, u"32ビットの範囲を超える数です"_s + Quoted(field)};
  return {*count, {}};
}

}  // namespace rdx508
