// Fixture helpers for the main-window tests.

#include "form_fixture.h"

#include "toolkit/numeric.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {

std::vector<QString> WeekdayDates(int count, QDate newest) {
  std::vector<QString> dates;
  for (QDate d = newest; int(dates.size()) < count; d = d.addDays(-1))
    if (d.dayOfWeek() <= 5) dates.push_back(d.toString(u"yy/MM/dd"_s));
  return dates;
}

std::vector<DayRow> UniformDays(int count, double topix, int up, int down, double nikkei) {
  std::vector<DayRow> rows;
  for (const QString& date : WeekdayDates(count))
    rows.push_back(
        {date, PlainNumberText(topix), QString::number(up), QString::number(down), PlainNumberText(nikkei)});
  return rows;
}

Limits DefaultLimits() {
  return {{{u"20"_s, u"45"_s, u"50"_s, u"55"_s, u"60"_s, u"80"_s, u""_s},
           {u"30"_s, u"40"_s, u"50"_s, u"60"_s, u"70"_s, u"80"_s, u"90"_s},
           {u"70"_s, u"80"_s, u"100"_s, u"120"_s, u"130"_s, u"150"_s, u"999"_s}}};
}

void FormTest::Load(const std::vector<DayRow>& rows, const Limits& limits) {
  const int32_t n = int32_t(rows.size());
  tables.DayTbl.redim({5, std::max(n, 1), 1});
  tables.DayTbl(0, 1, 0) = Value(QString::number(n));
  for (int32_t r = 1; r <= n; ++r) {
    const DayRow& row = rows[r - 1];
    const QString fields[] = {row.date, row.topix, row.up, row.down, row.nikkei};
    for (int f = 1; f <= 5; ++f)
      tables.DayTbl(f, r, 1) = Value(fields[f - 1]);
  }
  tables.ColorTbl.redim({7, 3, 1});
  tables.ColorTbl(0, 1, 0) = Value(u"3"_s);
  for (int j = 0; j < 3; ++j)
    for (int k = 0; k < 7; ++k)
      tables.ColorTbl(k + 1, j + 1, 1) = Value(limits[j][k]);
  form = std::make_unique<RDX_F508>(clb, host, tables);
  form->Form_Load();
}

}  // namespace rdx508::testing
