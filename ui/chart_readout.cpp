// The read-out of one chart day, as the grid would show its row.

#include "ui/chart_readout.h"

#include <tuple>

#include "app/series/derived_columns.h"
#include "calendar/date_text.h"
#include "ui/cell_text.h"
#include "ui/colours.h"
#include "ui/control.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// A 5- or 25-day average against the day before: rising, falling or level as the grid
// colours it; window text where either is absent.
quint32 TrendColour(const QString& now, const QString& before) {
  if (now.isEmpty() || before.isEmpty()) return kSysWindowText;
  const double a = ShownNumber(now), b = ShownNumber(before);
  return a > b ? kPurple : (a < b ? kDarkBlue : kSysWindowText);
}

}  // namespace

ChartReadout ReadoutOf(CLB_C1& clb, const std::vector<HistoryDay>& days, size_t i, bool nikkei,
                       const std::array<BandLimits, 3>& limits, const BandColours& colours) {
  ChartReadout r;
  if (i >= days.size()) return r;
  const HistoryDay& h = days[i];
  r.date = h.day.Date;
  if (const std::optional<QDate> date = DateFromText(h.day.Date)) r.weekday = WeekdayOf(*date);

  auto& items = r.items;
  items[kReadIndex].label = nikkei ? u"日経平均"_s : u"東証平均"_s;
  items[kReadChange].label = GridHeading(Derived::Change);
  items[kReadAverage5].label = GridHeading(Derived::Average5);
  items[kReadAverage25].label = GridHeading(Derived::Average25);
  items[kReadDivergence].label = GridHeading(Derived::Divergence);
  items[kReadUp].label = u"上昇数"_s;
  items[kReadDown].label = u"下落数"_s;
  items[kReadUpRatio].label = GridHeading(Derived::UpRatio);
  items[kReadUpRatio5].label = GridHeading(Derived::UpRatio5);
  items[kReadAdRatio].label = GridHeading(Derived::AdRatio);

  const double x = nikkei ? h.day.Nikkei : h.day.Topix;
  auto average5 = [nikkei](const HistoryDay& d) { return nikkei ? d.ind.Nk5Avg : d.ind.Tp5Avg; };
  auto average25 = [nikkei](const HistoryDay& d) { return nikkei ? d.ind.Nk25Avg : d.ind.Tp25Avg; };

  ReadoutItem& index = items[kReadIndex];
  index.text = CellText(clb, x, 2);
  const int32_t places5 = DerivedColumnOf(Derived::Average5).decimals;
  const int32_t places25 = DerivedColumnOf(Derived::Average25).decimals;
  ReadoutItem& a5 = items[kReadAverage5];
  a5.text = CellText(clb, average5(h), places5);
  ReadoutItem& a25 = items[kReadAverage25];
  a25.text = CellText(clb, average25(h), places25);
  // The index above or below its two averages, as the grid colours it.
  if (!a5.text.isEmpty() && !a25.text.isEmpty()) {
    const double shown = ShownNumber(index.text);
    index.fore = IndexTrendColour(shown > ShownNumber(a5.text), shown > ShownNumber(a25.text));
  }
  if (i > 0) {
    a5.fore = TrendColour(a5.text, CellText(clb, average5(days[i - 1]), places5));
    a25.fore = TrendColour(a25.text, CellText(clb, average25(days[i - 1]), places25));
  }

  const double change = HistoryChange(days, i, nikkei);
  if (IsPresent(change)) {
    Control cell;
    WriteChange(clb, cell, change);
    items[kReadChange].text = cell.text;
    items[kReadChange].fore = cell.foreColor;
  }

  const double divergence = HistoryDivergence(h, nikkei);
  if (IsPresent(divergence)) {
    Control cell;
    WriteDivergence(clb, cell, divergence);
    items[kReadDivergence].text = cell.text;
    items[kReadDivergence].fore = cell.foreColor;
  }

  items[kReadUp].text = CellText(clb, Value(h.day.Up), 0);
  int32_t downColour = int32_t(kSysWindowText);
  items[kReadDown].text = clb.Fmat(Value(h.day.Down), downColour, 0);
  items[kReadDown].fore = quint32(downColour);

  const std::array<std::tuple<ReadoutField, double, Derived>, 3> ratios = {
      {{kReadUpRatio, h.ind.UpRatio, Derived::UpRatio},
       {kReadUpRatio5, h.ind.UpRatio5, Derived::UpRatio5},
       {kReadAdRatio, h.ind.AdRatio, Derived::AdRatio}}};
  for (size_t s = 0; s < ratios.size(); ++s) {
    const auto& [field, value, derived] = ratios[s];
    ReadoutItem& item = items[field];
    item.text = CellText(clb, value, DerivedColumnOf(derived).decimals);
    if (item.text.isEmpty()) continue;
    // Banded by the value as shown, like the grid's cells.
    const BandColour& band = colours[size_t(BandOf(limits[s], ShownNumber(item.text)))];
    item.fore = band.fore;
    item.back = band.back;
  }
  return r;
}

}  // namespace rdx508
