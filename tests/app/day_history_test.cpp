// The whole history: archive and series oldest first, averages only over full windows,
// and the grid's values to the last bit where both have a full window.

#include <gtest/gtest.h>

#include <QDate>
#include <random>

#include "app/series/day_history.h"

namespace rdx508 {

using namespace Qt::Literals::StringLiterals;
namespace {

TEST(DayHistory, JoinsTheArchiveOldestFirstAndLeavesShortWindowsEmpty) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> price(1000, 3000);
  std::uniform_int_distribution<int32_t> count(0, 2000);
  DaySeries s;
  const QDate newest(2024, 12, 31);
  // 40 days: the 10 oldest in the archive, the rest in positions 1 ... 30.
  for (int32_t k = 0; k < 40; ++k) {
    const DayRec day{newest.addDays(-k).toString(u"yy/MM/dd"_s), price(random), count(random), count(random),
                     price(random) * 10};
    if (k < 30) {
      s.Days[static_cast<size_t>(k) + 1] = day;
    } else {
      s.Archive.push_back(day);
    }
  }
  s.DayCnt = 30;
  s.ComputeIndicators();

  const std::vector<HistoryDay> h = DayHistory(s);
  ASSERT_EQ(h.size(), 40u);
  EXPECT_EQ(h.front().day.Date, newest.addDays(-39).toString(u"yy/MM/dd"_s));
  EXPECT_EQ(h.back().day.Date, u"24/12/31"_s);
  EXPECT_FALSE(IsPresent(h[3].ind.Tp5Avg));
  EXPECT_TRUE(IsPresent(h[4].ind.Tp5Avg));
  EXPECT_FALSE(IsPresent(h[23].ind.AdRatio));
  EXPECT_FALSE(IsPresent(HistoryDivergence(h[23], false)));
  EXPECT_TRUE(IsPresent(h[24].ind.AdRatio));
  EXPECT_TRUE(IsPresent(h[0].ind.UpRatio));
  EXPECT_FALSE(IsPresent(HistoryChange(h, 0, false)));
  EXPECT_DOUBLE_EQ(HistoryChange(h, 39, true), s.Days[1].Nikkei - s.Days[2].Nikkei);

  // Positions 1 ... 6 of the series have full 25-day windows inside it: bit for bit equal.
  for (int32_t p = 1; p <= 6; ++p) {
    const DayInd& grid = s.Inds[static_cast<size_t>(p)];
    const DayInd& full = h[static_cast<size_t>(40 - p)].ind;
    EXPECT_EQ(full.Tp25Avg, grid.Tp25Avg) << p;
    EXPECT_EQ(full.Nk5Avg, grid.Nk5Avg) << p;
    EXPECT_EQ(full.AdRatio, grid.AdRatio) << p;
    EXPECT_EQ(full.UpRatio5, grid.UpRatio5) << p;
  }
}

}  // namespace
}  // namespace rdx508
