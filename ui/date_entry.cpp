#include "ui/date_entry.h"

#include <QDate>
#include <QStringList>

#include "calendar/two_digit_year.h"
#include "toolkit/clb_error.h"
#include "ui/typed_input.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// Whether `text`, which 日付補正 read as today, does name today: its parts (day, month/day
// or year/month/day, digits only) complete today's date to a real date that is today.
bool NamesToday(const QString& text, const QDate& today) {
  const QStringList parts = text.split(u'/');
  if (parts.size() > 3) return false;
  int values[3] = {};
  for (qsizetype k = 0; k < parts.size(); ++k) {
    const QString& part = parts[k];
    if (part.isEmpty() || part.size() > 4) return false;
    for (QChar c : part)
      if (c < u'0' || c > u'9') return false;
    values[k] = part.toInt();
  }
  int year = today.year(), month = today.month(), day = values[parts.size() - 1];
  if (parts.size() >= 2) month = values[parts.size() - 2];
  if (parts.size() == 3) year = FullYearFromTwoDigits(values[0] % 100, today.year());
  return QDate(year, month, day) == today;
}

}  // namespace

QString UnreadableDateNote(CLB_C1& clb, const QString& typed) {
  const QString text = NormalisedTyped(typed).trimmed();
  if (text.isEmpty()) return {};
  const QDate today = clb.host().now().date();
  const QString todayText = today.toString(u"yy/MM/dd"_s);
  QString read;
  try {
    read = clb.日付補正(text, 0);
  } catch (const ClbError&) {
    read.clear();
  }
  if (!read.isEmpty() && (read != todayText || NamesToday(text, today))) return {};
  return u"日付として読めません。今日（%1）として追加します"_s.arg(todayText);
}

QString DuplicateDateNote(const QString& date) {
  return date + u" はすでにあります"_s;
}

}  // namespace rdx508
