// The grid of 26 day rows: scrolling, the refresh that rewrites every cell, the trend
// colours, and hiding the entry panel.

#include <QDate>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/series/derived_columns.h"
#include "calendar/date_text.h"
#include "toolkit/numeric.h"
#include "ui/cell_text.h"
#include "ui/colours.h"
#include "ui/note_text.h"
#include "ui/rdx_f508.h"
#include "ui/weekday_text.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

double RDX_F508::IndexValue(int32_t position) const {
  if (position < 0 || position > DaySeries::kMaxDays) return 0;
  const DayRec& day = series_.Days[position];
  return TopixShown() ? day.Topix : day.Nikkei;
}

const WinSum& RDX_F508::SumsAt(int32_t position) const {
  static const WinSum kNone;
  return position >= 0 && position < int32_t(series_.Sums.size()) ? series_.Sums[position] : kNone;
}

const DayInd& RDX_F508::IndsAt(int32_t position) const {
  static const DayInd kNone;
  return position >= 0 && position < int32_t(series_.Inds.size()) ? series_.Inds[position] : kNone;
}

namespace {

// What each scroll arrow moves the grid by, in ScrollArrow order: positive towards older days.
constexpr std::array<int32_t, RDX_F508::kScrollArrowCount> kScrollSteps = {5, 1, -1, -5};

}  // namespace

int32_t RDX_F508::MaxGridOffset() const {
  // The grid scrolls towards older days only while more than 50 days lie below its top.
  return series_.DayCnt - 51;
}

bool RDX_F508::CanScroll(int32_t step) const {
  return step > 0 ? gridOffset_ + step <= MaxGridOffset() : gridOffset_ + step >= 0;
}

void RDX_F508::Scroll(int arrow) {
  if (arrow < 0 || arrow >= int(kScrollSteps.size())) return;
  const int32_t step = kScrollSteps[static_cast<size_t>(arrow)];
  if (!CanScroll(step)) return;
  gridOffset_ += step;
  RedrawGrid();
}

void RDX_F508::ScrollToPosition(int32_t position) {
  gridOffset_ = std::clamp(position - 1, 0, std::max(MaxGridOffset(), 0));
  RedrawGrid();
}

void RDX_F508::ShowChartDay(int32_t position) {
  ScrollToPosition(position);
  const int row = position - gridOffset_ - 1;
  if (row < 0 || row >= kGridRows || Cell(kColDate, row).text.isEmpty()) return;
  markedRow_ = row;
  Cell(kColDate, row).marked = true;
}

void RDX_F508::ClearMark() {
  if (markedRow_ < 0) return;
  Cell(kColDate, markedRow_).marked = false;
  markedRow_ = -1;
}

void RDX_F508::RedrawGrid() {
  ClearMark();  // the rows now hold other days, or the user has moved on
  for (size_t k = 0; k < kScrollSteps.size(); ++k)
    controls_[scrollArrowBase_ + int(k)].visible = CanScroll(kScrollSteps[k]);

  PrepareBandLimits();

  for (int r = 0; r < kGridRows; ++r) {
    const int32_t p = gridOffset_ + 1 + r;
    if (p > DaySeries::kMaxDays || series_.Days[p].Date.isEmpty()) {
      ClearRow(r);
    } else {
      FillRow(r, p);
    }
  }
  TrendPass();
  HidePanel();
  UpdateForecast(-1, -1);
}

void RDX_F508::ClearRow(int r) {
  for (int col = 0; col < kColumnCount; ++col)
    Cell(col, r).text.clear();
  Cell(kColDate, r).cornerMark = false;
  for (int col : {kColUpRatio, kColUpRatio5, kColAdRatio}) {
    Control& cell = Cell(col, r);
    cell.opaque = false;
    cell.backColor = Cell(col, kForecastRow).backColor;
  }
}

void RDX_F508::FillRow(int r, int32_t p) {
  const DayRec& day = series_.Days[p];
  const DayInd& ind = IndsAt(p);
  const bool topixMode = TopixShown();

  Control& date = Cell(kColDate, r);
  date.text = day.Date;
  date.foreColor = kSysWindowText;
  date.toolTip = u"東証・日経・騰落数　削除"_s;
  const auto note = series_.DayNotes.constFind(day.Date);
  date.cornerMark = note != series_.DayNotes.constEnd();
  if (date.cornerMark) date.toolTip += u'\n' + ShortenedNote(*note);

  // A date text that names no calendar day (only a hand-edited file holds one) shows
  // no weekday; the cell keeps its colour.
  Control& seq = Cell(kColSeq, r);
  if (const std::optional<QDate> d = DateFromText(date.text)) {
    const WeekdayText w = WeekdayOf(*d);
    seq.text = w.text;
    seq.foreColor = w.color;
  } else {
    seq.text.clear();
  }
  seq.toolTip = topixMode ? u"東証・日経・騰落数　修正"_s : u"日経・東証・騰落数　修正"_s;

  const double x = IndexValue(p);
  const double a5 = topixMode ? ind.Tp5Avg : ind.Nk5Avg;
  const double a25 = topixMode ? ind.Tp25Avg : ind.Nk25Avg;
  Control& index = Cell(kColIndex, r);
  index.text = CellText(clb_, x, 2);

  // The oldest stored day has no previous day: its change is left blank rather than
  // shown against zero.
  Control& change = Cell(kColChange, r);
  if (p + 1 > DaySeries::kMaxDays || series_.Days[p + 1].Date.isEmpty()) {
    change.text.clear();
    change.foreColor = kSysWindowText;
  } else {
    WriteChange(clb_, change, x - IndexValue(p + 1));
  }

  Cell(kColAvg5, r).text = CellText(clb_, a5, DerivedColumnOf(Derived::Average5).decimals);
  Cell(kColAvg25, r).text = CellText(clb_, a25, DerivedColumnOf(Derived::Average25).decimals);

  WriteDivergence(clb_, Cell(kColDiverge, r), a25 == 0 ? 0 : x * 1000 / a25 - 1000);

  Cell(kColUp, r).text = CellText(clb_, Value(day.Up), 0);
  Control& down = Cell(kColDown, r);
  int32_t downColor = int32_t(down.foreColor);
  down.text = clb_.Fmat(Value(day.Down), downColor, 0);
  down.foreColor = quint32(downColor);

  Control& upRatio = Cell(kColUpRatio, r);
  upRatio.text = CellText(clb_, ind.UpRatio, DerivedColumnOf(Derived::UpRatio).decimals);
  ColourCell(upRatio, 0);
  Control& upRatio5 = Cell(kColUpRatio5, r);
  upRatio5.text = CellText(clb_, ind.UpRatio5, DerivedColumnOf(Derived::UpRatio5).decimals);
  ColourCell(upRatio5, 1);
  Control& adRatio = Cell(kColAdRatio, r);
  adRatio.text = CellText(clb_, ind.AdRatio, DerivedColumnOf(Derived::AdRatio).decimals);
  ColourCell(adRatio, 2);

  const double shownX = ShownNumber(index.text);
  const bool overA5 = shownX > ShownNumber(Cell(kColAvg5, r).text);
  const bool overA25 = shownX > ShownNumber(Cell(kColAvg25, r).text);
  index.foreColor = IndexTrendColour(overA5, overA25);
}

void RDX_F508::TrendPass() {
  for (int col : {kColIndex, kColChange, kColDiverge, kColAvg5, kColAvg25})
    Cell(col, kGridRows - 1).foreColor = kSysWindowText;
  for (int r = 0; r < kGridRows - 1; ++r) {
    for (int col : {kColAvg5, kColAvg25}) {
      const QString& now = Cell(col, r).text;
      const QString& before = Cell(col, r + 1).text;
      int order;  // -1 smaller, 0 equal, 1 greater
      if (now.isEmpty() || before.isEmpty()) {
        order = int(!now.isEmpty()) - int(!before.isEmpty());
      } else {
        const double a = ShownNumber(now), b = ShownNumber(before);
        order = a > b ? 1 : (a < b ? -1 : 0);
      }
      Cell(col, r).foreColor = order == 0 ? kSysWindowText : (order > 0 ? kPurple : kDarkBlue);
    }
  }
}

void RDX_F508::HidePanel() {
  for (int i = 0; i < kPanelCount; ++i)
    Panel(i).visible = false;
  controls_[saveButton_].enabled = true;
  Panel(kPanDateIn).foreColor = kSysWindowText;
  // Issue boxes refused as out of range are marked the same way; clear that too.
  Panel(kPanUpIn).foreColor = kSysWindowText;
  Panel(kPanDownIn).foreColor = kSysWindowText;
  ClearEntryChecks();
}

}  // namespace rdx508
