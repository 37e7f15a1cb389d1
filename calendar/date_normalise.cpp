// 日付補正: whatever the user typed as a date, made into a complete, valid date text.

#include <QDate>
#include <optional>

#include "calendar/calendar_rules.h"
#include "calendar/date_text.h"
#include "calendar/two_digit_year.h"
#include "toolkit/clb_c1.h"
#include "toolkit/numeric.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// Longest typed date that is split into parts; anything longer cannot be a date (and the
// field splitter counts positions in 16 bits).
constexpr qsizetype kMaxDateText = 1000;

// The number of 1 to `most` ASCII digits at `pos` followed by `mark`, moving `pos` past
// the mark; nullopt when the text has no such part there.
std::optional<int> NumberBefore(QStringView text, qsizetype& pos, int most, QChar mark) {
  const qsizetype start = pos;
  int value = 0;
  while (pos < text.size() && pos - start < most && text[pos] >= u'0' && text[pos] <= u'9')
    value = value * 10 + (text[pos++].unicode() - u'0');
  if (pos == start || pos >= text.size() || text[pos] != mark) return std::nullopt;
  ++pos;
  return value;
}

// Whether a date in the Japanese written form "yy年mm月dd日" is a real date: month 1-12,
// day within the month, 29 February only in leap years (a two-digit year read in the
// window around `currentYear`).
bool IsRealJapaneseDate(QStringView text, int32_t currentYear) {
  qsizetype pos = 0;
  const auto year = NumberBefore(text, pos, 4, u'年');
  const qsizetype yearDigits = pos - 1;
  const auto month = year ? NumberBefore(text, pos, 2, u'月') : std::nullopt;
  const auto day = month ? NumberBefore(text, pos, 2, u'日') : std::nullopt;
  if (!day || pos != text.size()) return false;
  const int fullYear = yearDigits <= 2 ? FullYearFromTwoDigits(*year, currentYear) : *year;
  return QDate(fullYear, *month, *day).isValid();
}

}  // namespace

QString CLB_C1::日付補正(const QString& 日付, int32_t 型) {
  const bool longForm = 型 == 1;
  const QDate todayDate = host().now().date();
  const QString today = todayDate.toString(longForm ? u"yyyy/MM/dd"_s : u"yy/MM/dd"_s);
  const QString slash = u"/"_s;
  int64_t y = FgetQ(today, 1, slash).toInt();
  int64_t m = FgetQ(today, 2, slash).toInt();
  int64_t d = FgetQ(today, 3, slash).toInt();
  auto join = [&] { return calendar::PadTwo(y) + u'/' + calendar::PadTwo(m) + u'/' + calendar::PadTwo(d); };
  const QString defaultText = join();

  QString candidate = defaultText;
  if (!日付.isEmpty() && 日付.size() <= kMaxDateText) {
    const QString f1 = FgetQ(日付, 1, slash);
    const QString f2 = FgetQ(日付, 2, slash);
    const QString f3 = FgetQ(日付, 3, slash);
    const auto n1 = calendar::WholePart(f1);
    const auto n2 = calendar::WholePart(f2);
    const auto n3 = calendar::WholePart(f3);
    // A numeric part beyond the 32-bit range is no date part: the whole text is unusable.
    // Only the parts the text's form uses count: a day alone ignores what follows the
    // empty second part.
    auto tooLarge = [](const QString& field, const std::optional<int32_t>& value) {
      return !value && ParseNumber(field).has_value();
    };
    const int usedParts = f2.isEmpty() ? 1 : (f3.isEmpty() ? 2 : 3);
    const bool usable =
        !tooLarge(f1, n1) && (usedParts < 2 || !tooLarge(f2, n2)) && (usedParts < 3 || !tooLarge(f3, n3));
    if (!usable) {
      // keep the default text
    } else if (f2.isEmpty()) {
      if (n1) {
        d = *n1 % 100;
        candidate = join();
      }
    } else if (f3.isEmpty()) {
      if (n1) m = *n1 % 100;
      if (n2) d = *n2 % 100;
      candidate = join();
    } else if (n3) {
      if (n1) y = *n1 % (longForm ? 10000 : 100);
      if (n2) m = *n2 % 100;
      d = *n3 % 100;
      candidate = join();
    }
  }

  if (longForm) {
    if (DateFromText(candidate, todayDate.year())) return candidate;
    return todayDate.toString(u"yyyy/MM/dd"_s);
  }
  int32_t once = 1;
  QString written = FQcut(candidate, slash, u"年"_s, once);
  once = 1;
  written = FQcut(written, slash, u"月"_s, once) + u"日"_s;
  if (IsRealJapaneseDate(written, todayDate.year())) return candidate;
  return todayDate.toString(u"yy/MM/dd"_s);
}

}  // namespace rdx508
