// The forecast row (grid row 26): the mood word and its arrows, and the projection of
// every indicator for the next business day from the ratio the word stands for.

#include <cmath>

#include "calendar/date_text.h"
#include "toolkit/clb_error.h"
#include "ui/calendar_note.h"
#include "ui/cell_text.h"
#include "ui/colours.h"
#include "ui/forecast_scale.h"
#include "ui/rdx_f508.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// The forecast arrows' text colours; the last direction used is the active one.
constexpr quint32 kUpActive = kDarkRed, kDownActive = kBlue;

}  // namespace

void RDX_F508::SetForecastArrows(int32_t direction) {
  controls_[forecastArrowBase_].foreColor = direction == 0 ? kUpActive : kPaleRed;
  controls_[forecastArrowBase_ + 1].foreColor = direction == 1 ? kDownActive : kPaleBlue;
}

int32_t RDX_F508::LastForecastDirection() const {
  if (controls_[forecastArrowBase_].foreColor == kUpActive) return 0;
  if (controls_[forecastArrowBase_ + 1].foreColor == kDownActive) return 1;
  return -1;
}

QString RDX_F508::BusinessDay(const QString& date, int32_t days) {
  try {
    return clb_.営業日変換(date, days);
  } catch (const ClbError&) {
    return {};
  }
}

QString RDX_F508::NextTradingDay(const QString& date) {
  // No day yet: the first business day after today.
  if (date.isEmpty()) return BusinessDay(host_.now().date().addDays(1).toString(u"yy/MM/dd"_s), 1);
  // The first open day after `date`; a closed day (entered anyway) does not count itself.
  QString next = BusinessDay(date, 1);
  if (next == date) next = BusinessDay(date, 2);
  // A day past the two-digit-year window would read as one a century earlier.
  if (!next.isEmpty() && !IsEarlierDate(date, next)) return {};
  return next;
}

bool RDX_F508::StepWord(int32_t direction) {
  if (direction != 0 && direction != 1) return false;
  Control& word = Cell(kColSeq, kForecastRow);
  const WordStep next = NextWord(word.text, direction);
  word.text = next.caption;
  word.foreColor = next.color;
  forecastRatio_ = next.ratio;
  if (next.heading >= 0) word.backColor = Heading(next.heading).backColor;
  return true;
}

void RDX_F508::RepeatLastStep() {
  const int32_t direction = LastForecastDirection();
  if (direction >= 0) UpdateForecast(kForecastRow, direction);
}

void RDX_F508::UpdateForecast(int32_t request, int32_t direction) {
  constexpr int f = kForecastRow;
  const QString topDate = Cell(kColDate, 0).text;
  if (topDate.isEmpty()) {
    for (int col = kColDate; col < kColumnCount; ++col)
      Cell(col, f).text.clear();
    ShowCalendarNote(Cell(kColDate, f), forecastDateLook_, false);
    return;
  }

  // The word.
  if (request == kForecastRow) {
    StepWord(direction);
  } else if (forecastRatio_ == 0) {
    Control& word = Cell(kColSeq, f);
    word.text = u"予測"_s;
    word.foreColor = kSysWindowText;
    forecastRatio_ = 50;
  }

  // The next business day after the top row's day.
  Cell(kColDate, f).text = NextTradingDay(topDate);
  ShowCalendarNote(Cell(kColDate, f), forecastDateLook_, false);

  // Issues: the day count of grid row 24 split by the forecast ratio.
  const int32_t p0 = gridOffset_ + 1;
  const int32_t p24 = gridOffset_ + 25;
  const double total =
      p24 <= DaySeries::kMaxDays ? double(series_.Days[p24].Up) + double(series_.Days[p24].Down) : 0.0;
  const double advancing = forecastRatio_ * total / 100;
  const double declining = total - advancing;
  Cell(kColUp, f).text = CellText(clb_, advancing, 0);
  Cell(kColDown, f).text = CellText(clb_, declining, 0);
  Cell(kColUpRatio, f).text =
      advancing + declining != 0 ? CellText(clb_, advancing * 100 / (advancing + declining), 1) : u"0"_s;

  auto shown = [this](int col, int row) { return ShownNumber(Cell(col, row).text); };

  // 5-day advancing ratio: the window ending at the top row loses grid row 4 and gains the
  // forecast day.
  const WinSum& sums = SumsAt(p0);
  const double sa = double(sums.Up5) - shown(kColUp, 4) + shown(kColUp, f);
  const double sd = double(sums.Dn5) - shown(kColDown, 4) + shown(kColDown, f);
  Cell(kColUpRatio5, f).text = sa + sd != 0 ? CellText(clb_, sa / (sa + sd) * 100, 1) : u"0"_s;

  // 25-day advance/decline ratio: loses grid row 24, gains the forecast day.
  const double ld = double(sums.Dn25) - shown(kColDown, 24) + shown(kColDown, f);
  const double la = double(sums.Up25) - shown(kColUp, 24) + shown(kColUp, f);
  Cell(kColAdRatio, f).text = ld != 0 ? CellText(clb_, la * 100 / ld, 1) : u"0"_s;

  // Projected index value.
  const double p = shown(kColIndex, 0);
  const double d = (shown(kColUpRatio, f) / 100 + 0.5) - 1;
  const double factor = ForecastFactor(std::fabs(d));
  const double r = std::fabs(shown(kColAdRatio, f)) / 100;
  const double projected = p + p * (d * factor) * r;

  // The index cells.
  const DayInd& ind = IndsAt(p0);
  const bool topixMode = TopixShown();
  const double m5 = topixMode ? ind.Tp5Avg : ind.Nk5Avg;
  const double m25 = topixMode ? ind.Tp25Avg : ind.Nk25Avg;

  WriteChange(clb_, Cell(kColChange, f), projected - IndexValue(p0));

  const double n5 = (m5 * 5 - IndexValue(gridOffset_ + 5) + projected) / 5;
  Control& avg5 = Cell(kColAvg5, f);
  avg5.text = CellText(clb_, n5, 2);
  avg5.foreColor = shown(kColAvg5, 0) >= n5 ? kDarkBlue : kPurple;

  const double n25 = (m25 * 25 - IndexValue(gridOffset_ + 25) + projected) / 25;
  Control& avg25 = Cell(kColAvg25, f);
  avg25.text = CellText(clb_, n25, 2);
  avg25.foreColor = shown(kColAvg25, 0) >= n25 ? kDarkBlue : kPurple;

  Control& index = Cell(kColIndex, f);
  index.text = CellText(clb_, projected, 2);
  const bool over5 = projected > n5, over25 = projected > n25;
  index.foreColor = IndexTrendColour(over5, over25);

  WriteDivergence(clb_, Cell(kColDiverge, f), n25 != 0 ? projected * 1000 / n25 - 1000 : 0);
}

}  // namespace rdx508
