#include <gtest/gtest.h>
#include <limits>

#include "calendar_fixture.h"
#include "toolkit/clb_error.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

struct IntervalCase {
  QString start, end;
  int32_t expected;
};

class DayIntervalTest : public CalendarTest, public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(DayIntervalTest, CountsBothEnds) {
  const auto& c = GetParam();
  EXPECT_EQ(clb.日付間隔(c.start, c.end), c.expected) << c.start.toStdString() << " " << c.end.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DayIntervalTest,
    ::testing::Values(
        IntervalCase{u"07/03/01"_s, u"07/03/01"_s, 1}, IntervalCase{u"07/12/31"_s, u"08/01/01"_s, 2},
        IntervalCase{u"07/01/01"_s, u"08/12/31"_s, 731}, IntervalCase{u"08/01/01"_s, u"07/12/31"_s, -2},
        IntervalCase{u"07/03/02"_s, u"07/03/01"_s, -2},  // same year, end first: mirrors across years
        IntervalCase{u"07/03/01"_s, u"07/03/31"_s, 31},
        IntervalCase{u"28/01/01"_s, u"27/12/31"_s, 36525},  // 1928 to 2027, the whole window in 2007
        IntervalCase{u"27/12/31"_s, u"28/01/01"_s, -36525},
        IntervalCase{u"2007/3/1"_s, u"3/2"_s, 2}));  // both normalised first

INSTANTIATE_TEST_SUITE_P(BadInput, DayIntervalTest,
                         ::testing::Values(IntervalCase{u"99999999999/1/1"_s, u"07/03/15"_s, 1},
                                           IntervalCase{u""_s, u""_s, 1}, IntervalCase{u"//"_s, u"/"_s, 1},
                                           IntervalCase{QString(400, u'9'), u"07/03/16"_s, 2},
                                           IntervalCase{u"０７/０３/１５"_s, u"07/03/14"_s, -2},
                                           IntervalCase{u"-1/-1/-1"_s, u"07/03/15"_s, 1}));

using InterestTest = CalendarTest;

TEST_F(InterestTest, SimpleInterestOverInclusiveDays) {
  EXPECT_NEAR(clb.利息計算(1000000, u"07/04/02"_s, 0.0365, u"07/04/02"_s), 100.0, 1e-9);
  EXPECT_NEAR(clb.利息計算(1000000, u"07/04/01"_s, 0.0365, u"07/04/30"_s), 3000.0, 1e-9);
  // Without a repayment date the period runs to today (2007/03/15): 15 days.
  EXPECT_NEAR(clb.利息計算(1000000, u"07/03/01"_s, 0.0365), 1500.0, 1e-9);
  EXPECT_EQ(clb.利息計算(1000000, u"07/03/01"_s, 0.0), 0.0);
}

TEST_F(InterestTest, MarginTotalMovesBothDatesToSettlement) {
  EXPECT_NEAR(clb.信用元利合計(1000000, u"07/04/02"_s, 0.0365, u"07/04/02"_s), 1000100.0, 1e-6);
  // Opening Friday 07/04/27 settles on Monday 07/05/07; closing 07/05/01 settles on 07/05/08: 2 days.
  EXPECT_NEAR(clb.信用元利合計(1000000, u"07/04/27"_s, 0.0365, u"07/05/01"_s), 1000200.0, 1e-6);
  EXPECT_EQ(clb.営業日変換(u"07/04/27"_s, 4), u"07/05/07");
  // Rate omitted: the principal alone.
  EXPECT_EQ(clb.信用元利合計(500, u"07/04/02"_s), 500.0);
}

TEST_F(InterestTest, NonFiniteResultIsAnOverflowError) {
  const double huge = std::numeric_limits<double>::max();
  for (auto call :
       {+[](CLB_C1&c, double r) { return c.利息計算(INT32_MAX, u"07/01/01"_s, r, u"08/01/01"_s); },
        +[](CLB_C1&c, double r) { return c.信用元利合計(INT32_MAX, u"07/01/01"_s, r, u"08/01/01"_s); }}) {
    for (double rate : {huge, -huge, std::numeric_limits<double>::quiet_NaN()}) {
      try {
        call(clb, rate);
        ADD_FAILURE() << "no failure for rate " << rate;
      } catch (const ClbError& e) {
        EXPECT_EQ(e.number(), kErrOverflow);
        EXPECT_EQ(e.description(), u"オーバーフローしました。");
      }
    }
  }
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(InterestTest, BadDatesFallBackToToday) {
  EXPECT_NEAR(clb.利息計算(1000000, u"99999999999/1/1"_s, 0.0365, u"/"_s), 100.0, 1e-9);
  EXPECT_NEAR(clb.信用元利合計(1000000, QString(400, u'9'), 0.0365, u"//"_s), 1000100.0, 1e-6);
}

}  // namespace
}  // namespace rdx508::testing
