// The indicators are computed many days at a time; every value must equal, bit for bit,
// what adding one day after another gives. The reference below is that one-by-one
// computation, kept as it was.

#include <gtest/gtest.h>

#include <QDate>
#include <bit>
#include <cstring>
#include <functional>
#include <limits>
#include <random>

#include "app/series/day_history.h"

namespace rdx508 {
namespace {

// One day added to a window's sums, the plain way: to the 25-day sums, and to the 5-day
// ones when it lies in those.
void AddToWindow(WinSum& sum, const DayRec& day, bool inFive) {
  if (inFive) {
    sum.Tp5 += day.Topix;
    sum.Nk5 += day.Nikkei;
    sum.Up5 += day.Up;
    sum.Dn5 += day.Down;
  }
  sum.Tp25 += day.Topix;
  sum.Nk25 += day.Nikkei;
  sum.Up25 += day.Up;
  sum.Dn25 += day.Down;
}

// Each day adds itself into the windows of the day and of the newer days after it.
void ReferenceIndicators(DaySeries& s) {
  const int32_t count = std::clamp<int32_t>(s.DayCnt, 0, DaySeries::kMaxDays);
  s.Sums.assign(static_cast<size_t>(count) + 1, WinSum{});
  for (int32_t a = 1; a <= count; ++a) {
    const DayRec& day = s.Days[static_cast<size_t>(a)];
    for (int32_t i = a; i >= 1 && i > a - 25; --i) {
      AddToWindow(s.Sums[static_cast<size_t>(i)], day, i > a - 5);
    }
  }
  s.Inds.assign(static_cast<size_t>(count) + 1, DayInd{});
  for (int32_t i = 1; i <= count; ++i)
    s.Inds[static_cast<size_t>(i)] =
        IndicatorsOf(s.Days[static_cast<size_t>(i)], s.Sums[static_cast<size_t>(i)]);
}

// The history's indicators of days oldest first: each day's window, the day itself first.
std::vector<DayInd> ReferenceHistory(const std::vector<HistoryDay>& days) {
  std::vector<DayInd> inds;
  for (size_t i = 0; i < days.size(); ++i) {
    WinSum sum;
    for (size_t k = 0; k < 25 && k <= i; ++k) {
      AddToWindow(sum, days[i - k].day, k < 5);
    }
    DayInd ind = IndicatorsOf(days[i].day, sum);
    const double absent = std::numeric_limits<double>::quiet_NaN();
    if (i < 4) ind.Tp5Avg = ind.Nk5Avg = ind.UpRatio5 = absent;
    if (i < 24) ind.Tp25Avg = ind.Nk25Avg = ind.AdRatio = absent;
    inds.push_back(ind);
  }
  return inds;
}

template <typename T>
bool SameBits(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

struct Values {
  const char* name;
  std::function<double(std::mt19937&)> price;
  std::function<int32_t(std::mt19937&)> count;
};

class IndicatorIdentity : public ::testing::TestWithParam<Values> {};

TEST_P(IndicatorIdentity, ManyDaysAtOnceEqualOneDayAfterAnother) {
  std::mt19937 random(18);
  const Values& v = GetParam();
  for (int32_t days : {0, 1, 4, 5, 24, 25, 31, 32, 33, 39, 40, 41, 100, 997, 998}) {
    DaySeries s;
    s.DayCnt = days;
    const QDate newest(2024, 12, 31);
    for (int32_t p = 1; p <= days; ++p)
      s.Days[static_cast<size_t>(p)] = DayRec{newest.addDays(-p).toString(u"yyyy/MM/dd"), v.price(random),
                                              v.count(random), v.count(random), v.price(random)};
    for (int32_t k = 0; k < days / 3; ++k)  // an archive of older days for the history
      s.Archive.push_back(DayRec{newest.addDays(-days - 1 - k).toString(u"yyyy/MM/dd"), v.price(random),
                                 v.count(random), v.count(random), v.price(random)});
    DaySeries reference = s;
    ReferenceIndicators(reference);
    s.ComputeIndicators();
    ASSERT_EQ(s.Sums.size(), reference.Sums.size());
    for (size_t p = 0; p < s.Sums.size(); ++p) {
      ASSERT_TRUE(SameBits(s.Sums[p], reference.Sums[p])) << days << " days, position " << p;
      ASSERT_TRUE(SameBits(s.Inds[p], reference.Inds[p])) << days << " days, position " << p;
    }

    const std::vector<HistoryDay> history = DayHistory(s);
    const std::vector<DayInd> expected = ReferenceHistory(history);
    for (size_t i = 0; i < history.size(); ++i)
      ASSERT_TRUE(SameBits(history[i].ind, expected[i])) << days << " days, history day " << i;
  }
}

double Uniform(std::mt19937& random, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(random);
}

INSTANTIATE_TEST_SUITE_P(
    Series, IndicatorIdentity,
    ::testing::Values(
        Values{"MarketLike", [](std::mt19937& r) { return std::round(Uniform(r, 800, 40000) * 100) / 100; },
               [](std::mt19937& r) { return static_cast<int32_t>(Uniform(r, 0, 2200)); }},
        // Sums whose order shows in the last bit: magnitudes far apart, signs mixed.
        Values{"RoundingSensitive",
               [](std::mt19937& r) {
                 return std::ldexp(Uniform(r, -1, 1), static_cast<int>(Uniform(r, -30, 60)));
               },
               [](std::mt19937& r) { return static_cast<int32_t>(Uniform(r, -5, 5)); }},
        // Overflow to infinity, infinities that cancel into NaN, negative zero, the count limits.
        Values{
            "Extremes",
            [](std::mt19937& r) {
              const double picks[] = {std::numeric_limits<double>::max(),
                                      -std::numeric_limits<double>::max(),
                                      std::numeric_limits<double>::infinity(),
                                      -0.0,
                                      0.0,
                                      std::numeric_limits<double>::denorm_min(),
                                      1e-300,
                                      2680.71};
              return picks[static_cast<size_t>(Uniform(r, 0, 8))];
            },
            [](std::mt19937& r) {
              const int32_t picks[] = {
                  std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(), 0, -1, 1, 1000};
              return picks[static_cast<size_t>(Uniform(r, 0, 6))];
            }}),
    [](const ::testing::TestParamInfo<Values>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace rdx508
