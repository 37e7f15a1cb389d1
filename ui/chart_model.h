#pragma once
// ChartModel: the chart window without a display. It holds every stored day (the archive's
// included) with its indicators, which of them are shown, the three panes (the index with
// its averages, 騰落レシオ, 上昇率) with their value scales, the month and year ticks of
// the trading-day axis, the band zones, the marks of the days with a note, and the cursor
// with its read-out. A painter draws from it; zooming, panning and the range buttons
// change it.

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "app/series/day_history.h"
#include "toolkit/clb_c1.h"
#include "ui/chart_bands.h"
#include "ui/chart_input.h"
#include "ui/chart_readout.h"
#include "ui/chart_scale.h"

namespace rdx508 {

enum class ChartPane { Index, AdRatio, UpRatio };
inline constexpr std::array<ChartPane, 3> kChartPanes = {ChartPane::Index, ChartPane::AdRatio,
                                                         ChartPane::UpRatio};
// The ranges of the four buttons, each ending on the newest day.
enum class ChartRange { ThreeMonths, SixMonths, OneYear, All };
enum class ChartLine { Index, Average5, Average25, AdRatio, UpRatio, UpRatio5 };

// Room in pixels that the painter needs around the panes; it sets them from its font.
struct ChartMetrics {
  double readoutHeight = 40;  // the read-out above the panes
  double top = 8;             // between the read-out and the first pane
  double axisHeight = 20;     // the month and year labels below them
  double noteHeight = 8;      // the strip of note marks between the last pane and the labels
  double left = 64;           // the value labels left of the panes
  double right = 12;
  double gap = 6;            // between two panes
  double monthSpacing = 44;  // the least room between two month labels
  double tickSpacing = 28;   // the least room between two value ticks
};

class ChartModel {
 public:
  static constexpr int kMinVisible = 10;  // zooming in stops at this many days

  explicit ChartModel(CLB_C1& clb);

  // Takes the main window's state. The history is rebuilt only when the days changed, so a
  // call after every event costs little. Returns whether anything drawn changed; the view
  // keeps its range, following the newest day when it showed it.
  bool sync(const ChartInput& input);
  // Grows with every change of the drawn picture, the cursor's aside.
  quint64 revision() const { return revision_; }

  const std::vector<HistoryDay>& days() const { return days_; }
  // The calendar date of a day; not valid where its text names none.
  QDate dateOf(int day) const { return day >= 0 && day < dayCount() ? dates_[size_t(day)] : QDate(); }
  int dayCount() const { return int(days_.size()); }
  bool nikkei() const { return nikkei_; }
  const BandColours& colours() const { return colours_; }

  // Layout: the size of the drawing in pixels and the room around the panes.
  void setMetrics(const ChartMetrics& metrics);
  const ChartMetrics& metrics() const { return metrics_; }
  void setSize(double width, double height);
  QRectF paneRect(ChartPane pane) const { return panes_[size_t(pane)]; }
  QRectF readoutRect() const;
  QRectF axisRect() const;       // below the note strip, for the month labels
  QRectF noteStripRect() const;  // just below the last pane, for the note marks

  // The days shown: first ... first + count - 1, oldest first.
  int first() const { return first_; }
  int count() const { return count_; }
  // Shows `count` days from `first`, held to the days there are (at least kMinVisible).
  void setView(int first, int count);
  void showRange(ChartRange range);
  // The button whose range is shown, if any: the one chosen last where several ranges hold
  // the same days.
  std::optional<ChartRange> shownRange() const;
  // Zooms by `factor` (below 1 shows fewer days) keeping the day under x where it is.
  void zoomAt(double x, double factor);
  void panBy(int days);  // positive: towards the newest day

  double dayWidth() const;
  double xOfDay(int day) const;              // the middle of the day's slot
  std::optional<int> dayAt(double x) const;  // the shown day under x, if x lies over the panes
  std::optional<ChartPane> paneAt(double y) const;

  const ValueScale& scale(ChartPane pane) const { return scales_[size_t(pane)]; }
  double yOf(ChartPane pane, double value) const;
  double valueAt(ChartPane pane, double y) const;
  // A number as the grid writes it (grouping, fixed decimals).
  QString valueText(double value, int decimals) const;
  const std::vector<TimeTick>& timeTicks() const { return ticks_; }
  // The band zones of a ratio pane (騰落レシオ, 上昇率); none for the index pane.
  std::vector<BandZone> zones(ChartPane pane) const;

  // A day's value of a line; NaN where it is absent (a window not yet full).
  double valueOf(ChartLine line, int day) const;
  // Days narrower than this many pixels make a dense view, whose lines are drawn as spans.
  static constexpr double kDenseDayWidth = 2;
  bool dense() const { return dayWidth() < kDenseDayWidth; }
  // The shown part of a line in pixels, one point a day and one day beyond either edge,
  // broken where absent.
  std::vector<std::vector<QPointF>> path(ChartLine line) const;
  // A dense line as one vertical span a pixel column, from its highest to its lowest point
  // there, reaching back to the last point of the column before so the line stays joined.
  struct ColumnSpan {
    double x;            // the column's left edge
    double top, bottom;  // in pixels, top <= bottom
  };
  std::vector<ColumnSpan> spans(ChartLine line) const;

  // The day the crosshair and the read-out stand on.
  std::optional<int> cursor() const { return cursor_; }
  void setCursor(std::optional<int> day);
  // Puts the cursor on `day` (held to the days there are) and moves the view to show it.
  // Returns whether the view moved.
  bool showCursorAt(int day);
  // Moves the cursor by `delta` days, or puts it on the newest shown day when it is not
  // among the days shown.
  bool moveCursor(int delta);
  // The day's read-out, with its note.
  ChartReadout readout(int day) const;
  // The position in the day series the main grid scrolls to for a day: its own, or for a
  // day of the archive the oldest position, as far down as the grid goes.
  int32_t gridPosition(int day) const;

  // The note of a day; "" when it has none.
  QString noteOf(int day) const;
  // The days with a note, ascending.
  const std::vector<int>& notedDays() const { return notedDays_; }
  // A mark on the date axis for one noted day shown, or for several whose marks would
  // overlap: a triangle pointing up at the day, stretched over the days of a run.
  struct NoteMark {
    int first, last;     // the first and last noted day it stands for
    double left, right;  // its extent in pixels along the axis
  };
  const std::vector<NoteMark>& noteMarks() const { return marks_; }
  double noteMarkHalfWidth() const { return std::max(metrics_.noteHeight * 0.6, 3.0); }
  // The tool tip of a point over the note strip: the date and note of the noted day whose
  // mark lies under it, or the dates and first lines of several; "" where no mark is.
  QString noteTipAt(QPointF at) const;

 private:
  bool SameSeries(const DaySeries& series) const;
  void RebuildDays(const DaySeries& series);
  std::pair<int, int> RangeOf(ChartRange range) const;  // first, count
  void Clamp(int& first, int& count) const;
  void Relayout();
  void FindNotedDays();
  void PlaceNoteMarks();
  ValueScale IndexScale(int maxTicks) const;
  ValueScale AdRatioScale(int maxTicks) const;
  ChartPane PaneOf(ChartLine line) const;

  CLB_C1& clb_;
  quint64 revision_ = 1;

  // The series as last synced, to tell whether it changed.
  std::vector<DayRec> seriesDays_;
  QList<DayRec> archive_;
  bool synced_ = false;

  std::vector<HistoryDay> days_;
  std::vector<QDate> dates_;
  std::vector<int> monthKeys_;
  std::vector<int32_t> gridPositions_;
  Notes notes_;                 // as last synced (shared with the series until it changes)
  std::vector<int> notedDays_;  // the days whose date has a note, ascending
  std::vector<NoteMark> marks_;
  bool nikkei_ = false;
  std::array<BandLimits, 3> limits_{};
  BandColours colours_{};

  ChartMetrics metrics_;
  double width_ = 800, height_ = 600;
  std::array<QRectF, 3> panes_;
  std::array<ValueScale, 3> scales_;
  std::vector<TimeTick> ticks_;

  int first_ = 0, count_ = 0;
  std::optional<ChartRange> chosen_;  // the range shown last
  std::optional<int> cursor_;
};

}  // namespace rdx508
