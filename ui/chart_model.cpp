// The chart model: history, view, layout, scales, ticks, lines, cursor.

#include "ui/chart_model.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "calendar/date_text.h"
#include "ui/cell_text.h"
#include "ui/note_text.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

constexpr double kAbsent = std::numeric_limits<double>::quiet_NaN();

bool SameBits(double a, double b) {
  return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b);
}

bool SameDay(const DayRec& a, const DayRec& b) {
  return a.Up == b.Up && a.Down == b.Down && SameBits(a.Topix, b.Topix) && SameBits(a.Nikkei, b.Nikkei) &&
         a.Date == b.Date;
}

// Trading days in a month when a newest date to count back from is missing.
constexpr int kDaysPerMonth = 21;

// Notes a tool tip over several marks lists at most.
constexpr int kTipNotes = 8;

}  // namespace

ChartModel::ChartModel(CLB_C1& clb) : clb_(clb) {
  Relayout();
}

// ---- Data -------------------------------------------------------------------------------

bool ChartModel::SameSeries(const DaySeries& series) const {
  const int32_t n = std::clamp<int32_t>(series.DayCnt, 0, DaySeries::kMaxDays);
  if (!synced_ || size_t(n) != seriesDays_.size() || series.Archive.size() != archive_.size()) return false;
  for (int32_t p = 1; p <= n; ++p)
    if (!SameDay(series.Days[size_t(p)], seriesDays_[size_t(p - 1)])) return false;
  // A list that shares its data with the copy is the same list.
  if (series.Archive.constData() == archive_.constData()) return true;
  return std::equal(series.Archive.cbegin(), series.Archive.cend(), archive_.cbegin(), SameDay);
}

void ChartModel::RebuildDays(const DaySeries& series) {
  const int32_t n = std::clamp<int32_t>(series.DayCnt, 0, DaySeries::kMaxDays);
  seriesDays_.assign(series.Days.begin() + 1, series.Days.begin() + 1 + n);
  archive_ = series.Archive;
  synced_ = true;

  days_ = DayHistory(series);
  // The newest position of each date: a day of the grid scrolls there; a day of the archive
  // is not in the grid, and the grid goes as far down as it can.
  QHash<QString, int32_t> positions;
  positions.reserve(n);
  for (int32_t p = n; p >= 1; --p)
    positions.insert(series.Days[size_t(p)].Date, p);
  dates_.resize(days_.size());
  monthKeys_.resize(days_.size());
  gridPositions_.resize(days_.size());
  for (size_t i = 0; i < days_.size(); ++i) {
    const QString& text = days_[i].day.Date;
    dates_[i] = DateFromText(text).value_or(QDate());
    monthKeys_[i] = MonthKey(dates_[i]);
    gridPositions_[i] = positions.value(text, n);
  }
}

void ChartModel::FindNotedDays() {
  notedDays_.clear();
  if (notes_.isEmpty()) return;
  for (size_t i = 0; i < days_.size(); ++i)
    if (notes_.contains(days_[i].day.Date)) notedDays_.push_back(int(i));
}

bool ChartModel::sync(const ChartInput& input) {
  bool changed = false;
  const bool daysChanged = input.series && !SameSeries(*input.series);
  if (daysChanged) {
    const int before = dayCount();
    const bool wasShown = synced_ && before > 0;
    const bool showedAll = wasShown && first_ == 0 && count_ >= before;
    const bool showedNewest = wasShown && first_ + count_ >= before;
    const int oldFirst = first_, oldCount = count_;
    RebuildDays(*input.series);
    const int n = dayCount();
    if (!wasShown) {
      chosen_ = ChartRange::SixMonths;
      std::tie(first_, count_) = RangeOf(ChartRange::SixMonths);
    } else if (showedAll) {
      first_ = 0, count_ = n;
    } else if (showedNewest) {
      count_ = std::min(oldCount, n);
      first_ = n - count_;
    } else {
      first_ = oldFirst, count_ = oldCount;
    }
    Clamp(first_, count_);
    if (cursor_ && *cursor_ >= n) cursor_.reset();
    changed = true;
  }
  // Equal maps that share their data compare at once.
  if (input.series && (daysChanged || !(input.series->DayNotes == notes_))) {
    changed = changed || !(input.series->DayNotes == notes_);
    notes_ = input.series->DayNotes;
    FindNotedDays();
  }
  if (input.nikkei != nikkei_) {
    nikkei_ = input.nikkei;
    changed = true;
  }
  if (input.limits != limits_ || input.colours != colours_) {
    limits_ = input.limits;
    colours_ = input.colours;
    changed = true;
  }
  if (changed) {
    ++revision_;
    Relayout();
  }
  return changed;
}

double ChartModel::valueOf(ChartLine line, int day) const {
  if (day < 0 || day >= dayCount()) return kAbsent;
  const HistoryDay& h = days_[size_t(day)];
  switch (line) {
    case ChartLine::Index:
      return nikkei_ ? h.day.Nikkei : h.day.Topix;
    case ChartLine::Average5:
      return nikkei_ ? h.ind.Nk5Avg : h.ind.Tp5Avg;
    case ChartLine::Average25:
      return nikkei_ ? h.ind.Nk25Avg : h.ind.Tp25Avg;
    case ChartLine::AdRatio:
      return h.ind.AdRatio;
    case ChartLine::UpRatio:
      return h.ind.UpRatio;
    case ChartLine::UpRatio5:
      return h.ind.UpRatio5;
  }
  return kAbsent;
}

// ---- View -------------------------------------------------------------------------------

void ChartModel::Clamp(int& first, int& count) const {
  const int n = dayCount();
  count = std::clamp(count, std::min(n, kMinVisible), n);
  first = std::clamp(first, 0, n - count);
}

void ChartModel::setView(int first, int count) {
  Clamp(first, count);
  if (first == first_ && count == count_) return;
  first_ = first;
  count_ = count;
  ++revision_;
  Relayout();
}

std::pair<int, int> ChartModel::RangeOf(ChartRange range) const {
  const int n = dayCount();
  if (range == ChartRange::All || n == 0) return {0, n};
  const int months = range == ChartRange::ThreeMonths ? 3 : range == ChartRange::SixMonths ? 6 : 12;
  int count;
  const QDate newest = dates_.back();
  if (newest.isValid()) {
    // The days after the same date `months` months before the newest day.
    const QDate cutoff = newest.addMonths(-months);
    count = 0;
    for (int d = n - 1; d >= 0; --d, ++count)
      if (dates_[size_t(d)].isValid() && dates_[size_t(d)] <= cutoff) break;
  } else {
    count = months * kDaysPerMonth;
  }
  count = std::max(count, 1);
  int first = n - count;
  Clamp(first, count);  // held to the days there are, and at least kMinVisible of them
  return {first, count};
}

void ChartModel::showRange(ChartRange range) {
  const auto [first, count] = RangeOf(range);
  chosen_ = range;
  setView(first, count);
}

std::optional<ChartRange> ChartModel::shownRange() const {
  if (chosen_ && RangeOf(*chosen_) == std::pair(first_, count_)) return chosen_;
  for (ChartRange r : {ChartRange::ThreeMonths, ChartRange::SixMonths, ChartRange::OneYear, ChartRange::All})
    if (RangeOf(r) == std::pair(first_, count_)) return r;
  return std::nullopt;
}

void ChartModel::zoomAt(double x, double factor) {
  const int n = dayCount();
  const QRectF plot = paneRect(ChartPane::Index);
  if (n == 0 || count_ == 0 || plot.width() <= 0 || !(factor > 0)) return;
  const double along = std::clamp((x - plot.left()) / plot.width(), 0.0, 1.0);
  const double anchor = first_ + along * count_;  // in days
  int count = int(std::lround(count_ * factor));
  // A small view still moves by a day each step.
  if (count == count_) count += factor < 1 ? -1 : (factor > 1 ? 1 : 0);
  count = std::clamp(count, std::min(n, kMinVisible), n);
  setView(int(std::lround(anchor - along * count)), count);
}

void ChartModel::panBy(int days) {
  setView(first_ + days, count_);
}

// ---- Layout -----------------------------------------------------------------------------

void ChartModel::setMetrics(const ChartMetrics& metrics) {
  metrics_ = metrics;
  ++revision_;
  Relayout();
}

void ChartModel::setSize(double width, double height) {
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  ++revision_;
  Relayout();
}

QRectF ChartModel::readoutRect() const {
  return QRectF(0, 0, width_, metrics_.readoutHeight);
}

QRectF ChartModel::axisRect() const {
  const QRectF last = paneRect(ChartPane::UpRatio);
  return QRectF(last.left(), last.bottom() + metrics_.noteHeight, last.width(), metrics_.axisHeight);
}

QRectF ChartModel::noteStripRect() const {
  const QRectF last = paneRect(ChartPane::UpRatio);
  return QRectF(last.left(), last.bottom(), last.width(), metrics_.noteHeight);
}

double ChartModel::dayWidth() const {
  return count_ > 0 ? paneRect(ChartPane::Index).width() / count_ : 0;
}

double ChartModel::xOfDay(int day) const {
  return paneRect(ChartPane::Index).left() + (day - first_ + 0.5) * dayWidth();
}

std::optional<int> ChartModel::dayAt(double x) const {
  const QRectF plot = paneRect(ChartPane::Index);
  if (count_ == 0 || x < plot.left() || x >= plot.right()) return std::nullopt;
  const int day = first_ + int(std::floor((x - plot.left()) / dayWidth()));
  return std::clamp(day, first_, first_ + count_ - 1);
}

std::optional<ChartPane> ChartModel::paneAt(double y) const {
  for (ChartPane pane : kChartPanes) {
    const QRectF r = paneRect(pane);
    if (y >= r.top() && y < r.bottom()) return pane;
  }
  return std::nullopt;
}

double ChartModel::yOf(ChartPane pane, double value) const {
  const QRectF r = paneRect(pane);
  const ValueScale& s = scale(pane);
  return r.bottom() - (value - s.low) / (s.high - s.low) * r.height();
}

double ChartModel::valueAt(ChartPane pane, double y) const {
  const QRectF r = paneRect(pane);
  const ValueScale& s = scale(pane);
  return s.low + (r.bottom() - y) / r.height() * (s.high - s.low);
}

QString ChartModel::valueText(double value, int decimals) const {
  return CellText(clb_, value, decimals);
}

std::vector<BandZone> ChartModel::zones(ChartPane pane) const {
  switch (pane) {
    case ChartPane::AdRatio:
      return BandZones(limits_[2]);
    case ChartPane::UpRatio:
      return BandZones(limits_[0]);
    case ChartPane::Index:
      break;
  }
  return {};
}

ValueScale ChartModel::IndexScale(int maxTicks) const {
  double low = std::numeric_limits<double>::infinity(), high = -low;
  for (int d = first_; d < first_ + count_; ++d) {
    for (ChartLine line : {ChartLine::Index, ChartLine::Average5, ChartLine::Average25}) {
      const double v = valueOf(line, d);
      if (!IsPresent(v)) continue;
      low = std::min(low, v);
      high = std::max(high, v);
    }
  }
  if (low > high) return NiceScale(0, 1, maxTicks);
  const double pad = std::max((high - low) * 0.05, std::fabs(high) * 0.002);
  return NiceScale(low - pad, high + pad, maxTicks);
}

ValueScale ChartModel::AdRatioScale(int maxTicks) const {
  // The data and the line at 100, at least 40 points tall ...
  double low = 100, high = 100;
  for (int d = first_; d < first_ + count_; ++d) {
    const double v = valueOf(ChartLine::AdRatio, d);
    if (!IsPresent(v)) continue;
    low = std::min(low, v);
    high = std::max(high, v);
  }
  if (high - low < 40) {
    const double middle = (low + high) / 2;
    low = middle - 20;
    high = middle + 20;
  }
  // ... and the band limits that lie near it, so that the user's zones show around it.
  const double span = high - low, nearLow = low - span / 2, nearHigh = high + span / 2;
  for (double limit : limits_[2]) {
    if (limit >= nearLow && limit < low) low = limit;
    if (limit <= nearHigh && limit > high) high = limit;
  }
  const double pad = (high - low) * 0.03;
  return NiceScale(std::max(low - pad, 0.0), high + pad, maxTicks);
}

void ChartModel::Relayout() {
  const ChartMetrics& m = metrics_;
  const double left = m.left, right = std::max(width_ - m.right, left + 1);
  const double top = m.readoutHeight + m.top;
  const double room = std::max(height_ - top - m.noteHeight - m.axisHeight - 2 * m.gap, 3.0);
  const std::array<double, 3> heights = {room * 0.5, room * 0.25, room * 0.25};
  double y = top;
  for (size_t k = 0; k < panes_.size(); ++k) {
    panes_[k] = QRectF(QPointF(left, y), QPointF(right, y + heights[k]));
    y += heights[k] + m.gap;
  }

  auto ticksFor = [&](ChartPane pane) {
    return std::max(2, int(paneRect(pane).height() / std::max(m.tickSpacing, 1.0)));
  };
  scales_[size_t(ChartPane::Index)] = IndexScale(ticksFor(ChartPane::Index));
  scales_[size_t(ChartPane::AdRatio)] = AdRatioScale(ticksFor(ChartPane::AdRatio));
  scales_[size_t(ChartPane::UpRatio)] = NiceScale(0, 100, ticksFor(ChartPane::UpRatio));
  ticks_ = TimeTicks(monthKeys_, first_, count_, dayWidth(), m.monthSpacing);
  PlaceNoteMarks();
}

void ChartModel::PlaceNoteMarks() {
  marks_.clear();
  const double half = noteMarkHalfWidth();
  const auto begin = std::lower_bound(notedDays_.cbegin(), notedDays_.cend(), first_);
  const auto end = std::lower_bound(begin, notedDays_.cend(), first_ + count_);
  for (auto it = begin; it != end; ++it) {
    const double x = xOfDay(*it);
    // A mark that would overlap the one before joins it.
    if (!marks_.empty() && x - half < marks_.back().right) {
      marks_.back().last = *it;
      marks_.back().right = x + half;
    } else {
      marks_.push_back({*it, *it, x - half, x + half});
    }
  }
}

// ---- Lines ------------------------------------------------------------------------------

ChartPane ChartModel::PaneOf(ChartLine line) const {
  switch (line) {
    case ChartLine::AdRatio:
      return ChartPane::AdRatio;
    case ChartLine::UpRatio:
    case ChartLine::UpRatio5:
      return ChartPane::UpRatio;
    default:
      return ChartPane::Index;
  }
}

std::vector<std::vector<QPointF>> ChartModel::path(ChartLine line) const {
  std::vector<std::vector<QPointF>> segments;
  if (count_ == 0) return segments;
  const ChartPane pane = PaneOf(line);
  std::vector<QPointF> current;
  for (int d = std::max(first_ - 1, 0); d <= std::min(first_ + count_, dayCount() - 1); ++d) {
    const double v = valueOf(line, d);
    if (IsPresent(v)) {
      current.emplace_back(xOfDay(d), yOf(pane, v));
    } else if (!current.empty()) {
      segments.push_back(std::move(current));
      current.clear();
    }
  }
  if (!current.empty()) segments.push_back(std::move(current));
  return segments;
}

std::vector<ChartModel::ColumnSpan> ChartModel::spans(ChartLine line) const {
  std::vector<ColumnSpan> result;
  const ChartPane pane = PaneOf(line);
  double lastY = std::numeric_limits<double>::quiet_NaN();  // of the day before, if present
  for (int d = first_; d < first_ + count_; ++d) {
    const double v = valueOf(line, d);
    if (!IsPresent(v)) {
      lastY = v;
      continue;
    }
    const double y = yOf(pane, v);
    const double x = std::floor(xOfDay(d));
    if (result.empty() || result.back().x != x) {
      result.push_back({x, y, y});
      if (IsPresent(lastY)) {  // join the column before
        result.back().top = std::min(y, lastY);
        result.back().bottom = std::max(y, lastY);
      }
    } else {
      result.back().top = std::min(result.back().top, y);
      result.back().bottom = std::max(result.back().bottom, y);
    }
    lastY = y;
  }
  return result;
}

// ---- Cursor -----------------------------------------------------------------------------

void ChartModel::setCursor(std::optional<int> day) {
  if (day && (*day < 0 || *day >= dayCount())) day.reset();
  cursor_ = day;
}

bool ChartModel::showCursorAt(int day) {
  const int n = dayCount();
  if (n == 0) return false;
  day = std::clamp(day, 0, n - 1);
  cursor_ = day;
  int first = first_;
  if (day < first) first = day;
  if (day > first_ + count_ - 1) first = day - count_ + 1;
  if (first == first_) return false;
  setView(first, count_);
  return true;
}

bool ChartModel::moveCursor(int delta) {
  const int last = first_ + count_ - 1;
  if (!cursor_ || *cursor_ < first_ || *cursor_ > last) return showCursorAt(last);
  return showCursorAt(*cursor_ + delta);
}

ChartReadout ChartModel::readout(int day) const {
  ChartReadout r = ReadoutOf(clb_, days_, size_t(day), nikkei_, limits_, colours_);
  r.note = noteOf(day);
  return r;
}

int32_t ChartModel::gridPosition(int day) const {
  return day >= 0 && day < dayCount() ? gridPositions_[size_t(day)] : 0;
}

// ---- Notes ------------------------------------------------------------------------------

QString ChartModel::noteOf(int day) const {
  if (day < 0 || day >= dayCount() || notes_.isEmpty()) return {};
  return notes_.value(days_[size_t(day)].day.Date);
}

QString ChartModel::noteTipAt(QPointF at) const {
  const QRectF strip = noteStripRect();
  // A little room below the strip: the marks are small.
  if (at.y() < strip.top() || at.y() > strip.bottom() + 2 || count_ == 0) return {};
  // The noted days whose marks lie under the point.
  const double half = noteMarkHalfWidth();
  const int low = first_ + int(std::floor((at.x() - half - paneRect(ChartPane::Index).left()) / dayWidth()));
  const auto begin = std::lower_bound(notedDays_.cbegin(), notedDays_.cend(), std::max(low, first_));
  std::vector<int> under;
  for (auto it = begin; it != notedDays_.cend() && *it < first_ + count_; ++it) {
    const double x = xOfDay(*it);
    if (x - half > at.x()) break;
    if (x + half >= at.x()) under.push_back(*it);
  }
  if (under.empty()) return {};
  if (under.size() == 1)
    return days_[size_t(under.front())].day.Date + u'\n' + ShortenedNote(noteOf(under.front()));
  QStringList lines;
  for (size_t k = 0; k < under.size() && k < size_t(kTipNotes); ++k)
    lines.append(days_[size_t(under[k])].day.Date + u"　"_s + NoteHeadline(noteOf(under[k])));
  if (under.size() > size_t(kTipNotes))
    lines.append(u"ほか %1 件（拡大すると1日ずつ見られます）"_s.arg(under.size() - kTipNotes));
  return lines.join(u'\n');
}

}  // namespace rdx508
