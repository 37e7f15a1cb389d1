#include <gtest/gtest.h>

#include <limits>

#include "app/series/day_series.h"

namespace rdx508 {

using namespace Qt::Literals::StringLiterals;
namespace {

// A series of `count` days, newest first, each made by `make(position)`.
template <typename Make>
DaySeries SeriesOf(int32_t count, Make make) {
  DaySeries series;
  series.DayCnt = count;
  for (int32_t p = 1; p <= count; ++p)
    series.Days[static_cast<size_t>(p)] = make(p);
  series.ComputeIndicators();
  return series;
}

DayRec Day(double topix, int32_t up = 0, int32_t down = 0, double nikkei = 0) {
  return DayRec{u"24/01/01"_s, topix, up, down, nikkei};
}

TEST(ComputeIndicators, ShortWindowsStillDivideByFiveAndTwentyFive) {
  const double topix[] = {0, 100, 110, 120};
  const DaySeries s = SeriesOf(3, [&](int32_t p) { return Day(topix[p], 0, 0, topix[p] * 10); });
  ASSERT_EQ(s.Sums.size(), 4u);
  ASSERT_EQ(s.Inds.size(), 4u);
  EXPECT_DOUBLE_EQ(s.Inds[1].Tp5Avg, 66);
  EXPECT_DOUBLE_EQ(s.Inds[2].Tp5Avg, 46);
  EXPECT_DOUBLE_EQ(s.Inds[3].Tp5Avg, 24);
  EXPECT_DOUBLE_EQ(s.Inds[1].Tp25Avg, 330.0 / 25);
  EXPECT_DOUBLE_EQ(s.Inds[1].Nk5Avg, 660);
  EXPECT_DOUBLE_EQ(s.Inds[3].Nk25Avg, 1200.0 / 25);
}

TEST(ComputeIndicators, TwentyFiveDayAverageFallsWhenTheWindowRunsOut) {
  const DaySeries s = SeriesOf(30, [](int32_t) { return Day(100, 0, 0, 200); });
  for (int32_t p = 1; p <= 6; ++p) {
    EXPECT_DOUBLE_EQ(s.Inds[static_cast<size_t>(p)].Tp25Avg, 100) << p;
    EXPECT_DOUBLE_EQ(s.Inds[static_cast<size_t>(p)].Nk25Avg, 200) << p;
  }
  EXPECT_DOUBLE_EQ(s.Inds[7].Tp25Avg, 96);
  EXPECT_DOUBLE_EQ(s.Inds[30].Tp25Avg, 4);
  EXPECT_DOUBLE_EQ(s.Inds[26].Tp5Avg, 100);
  EXPECT_DOUBLE_EQ(s.Inds[27].Tp5Avg, 80);
  EXPECT_DOUBLE_EQ(s.Sums[7].Tp25, 2400);
}

struct RatioCase {
  const char* name;
  int32_t up, down;
  double upRatio, upRatio5, adRatio;
};

class OneDayRatios : public ::testing::TestWithParam<RatioCase> {};

TEST_P(OneDayRatios, ComeFromTheDaysCounts) {
  const RatioCase& c = GetParam();
  const DaySeries s = SeriesOf(1, [&](int32_t) { return Day(1, c.up, c.down); });
  EXPECT_DOUBLE_EQ(s.Inds[1].UpRatio, c.upRatio);
  EXPECT_DOUBLE_EQ(s.Inds[1].UpRatio5, c.upRatio5);
  EXPECT_DOUBLE_EQ(s.Inds[1].AdRatio, c.adRatio);
}

INSTANTIATE_TEST_SUITE_P(Cases, OneDayRatios,
                         ::testing::Values(RatioCase{"SixHundredToFourHundred", 600, 400, 60, 60, 150},
                                           RatioCase{"NoIssuesAtAll", 0, 0, 0, 0, 0},
                                           RatioCase{"NoDecliningIssues", 800, 0, 100, 100, 0},
                                           RatioCase{"CountsCancelOut", 5, -5, 0, 0, -100}),
                         [](const auto& test) { return test.param.name; });

TEST(ComputeIndicators, FiveDayRatioIsTheRatioOfTheSums) {
  // Newest day 10 up / 0 down, the day before 0 up / 90 down: 10 of 100 issues rose.
  const DaySeries s = SeriesOf(2, [](int32_t p) { return p == 1 ? Day(1, 10, 0) : Day(1, 0, 90); });
  EXPECT_DOUBLE_EQ(s.Inds[1].UpRatio, 100);
  EXPECT_DOUBLE_EQ(s.Inds[1].UpRatio5, 10);
  EXPECT_DOUBLE_EQ(s.Inds[1].AdRatio, 10.0 * 100 / 90);
  EXPECT_DOUBLE_EQ(s.Inds[2].UpRatio5, 0);
}

TEST(ComputeIndicators, EmptyRecordInsideTheSeriesCountsAsZero) {
  const DaySeries s = SeriesOf(3, [](int32_t p) { return p == 2 ? DayRec{} : Day(100, 600, 400); });
  EXPECT_DOUBLE_EQ(s.Inds[1].Tp5Avg, 40);
  EXPECT_DOUBLE_EQ(s.Inds[2].UpRatio, 0);
  EXPECT_EQ(s.Sums[1].Up5, 1200);
}

TEST(ComputeIndicators, CountsNearTheIntegerLimitDoNotOverflow) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const DaySeries s = SeriesOf(25, [](int32_t) { return Day(1, kMax, kMax); });
  EXPECT_EQ(s.Sums[1].Up25, 25LL * kMax);
  EXPECT_DOUBLE_EQ(s.Inds[1].UpRatio, 50);
  EXPECT_DOUBLE_EQ(s.Inds[1].UpRatio5, 50);
  EXPECT_DOUBLE_EQ(s.Inds[1].AdRatio, 100);
}

TEST(ComputeIndicators, DayCountOutsideTheArrayIsHeldInside) {
  DaySeries none;
  none.ComputeIndicators();
  EXPECT_EQ(none.Sums.size(), 1u);
  EXPECT_EQ(none.Inds.size(), 1u);

  DaySeries negative;
  negative.DayCnt = -3;
  negative.ComputeIndicators();
  EXPECT_EQ(negative.Inds.size(), 1u);

  DaySeries tooMany;
  tooMany.DayCnt = 5000;
  tooMany.Days[998] = Day(50);
  tooMany.ComputeIndicators();
  ASSERT_EQ(tooMany.Inds.size(), 999u);
  EXPECT_DOUBLE_EQ(tooMany.Inds[998].Tp5Avg, 10);
}

TEST(ComputeIndicators, RecomputingReplacesEarlierResults) {
  DaySeries s = SeriesOf(10, [](int32_t) { return Day(100, 1, 1); });
  s.DayCnt = 2;
  s.ComputeIndicators();
  EXPECT_EQ(s.Inds.size(), 3u);
  EXPECT_DOUBLE_EQ(s.Inds[1].Tp5Avg, 40);
}

}  // namespace
}  // namespace rdx508
