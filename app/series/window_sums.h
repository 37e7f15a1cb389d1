#pragma once
// Internal to app/: the window sums and indicators of a run of days, many days at a time.
// Each window sum is the same sequence of additions as adding, from zero, the day itself
// and then the older days one by one, so a day's values come out the same to the last
// bit however many days are computed together.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "app/series/day_series.h"

namespace rdx508 {

// The values of a run of days, newest first (index 0), one column each, with room after
// the oldest day. Kept between runs, the columns are not allocated again.
class DayColumns {
 public:
  struct alignas(64) Eight {  // eight days of one value, as the computation loads them
    double day[8];
  };

  // Takes `days` days, dayAt(i) giving day i (newest first).
  template <typename DayAt>
  void fill(size_t days, DayAt dayAt) {
    resize(days);
    // From the oldest day on, so that the running totals of the counts build up in turn.
    int64_t upTotal = 0, downTotal = 0;
    for (size_t i = days; i-- > 0;) {
      const DayRec& day = dayAt(i);
      topix_[i / 8].day[i % 8] = day.Topix;
      nikkei_[i / 8].day[i % 8] = day.Nikkei;
      upFrom_[i] = upTotal += day.Up;
      downFrom_[i] = downTotal += day.Down;
    }
  }
  size_t size() const { return days_; }

 private:
  friend void ComputeWindows(const DayColumns& days, std::span<WinSum> sums, std::span<DayInd> inds);
  // Sizes the columns for `days` days and sets the room after them to zero.
  void resize(size_t days);

  size_t days_ = 0;
  std::vector<Eight> topix_, nikkei_;
  std::vector<int64_t> upFrom_, downFrom_;  // the counts of the day and every older day
};

// sums[i] and inds[i] for every day i of `days`: its 5- and 25-day windows reach from the
// day towards the older days and stop at the oldest; the indicators are IndicatorsOf's.
void ComputeWindows(const DayColumns& days, std::span<WinSum> sums, std::span<DayInd> inds);

}  // namespace rdx508
