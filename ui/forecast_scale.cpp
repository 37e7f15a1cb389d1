// The mood-word scale and the projection factor table.

#include "ui/forecast_scale.h"

#include <array>

#include "ui/colours.h"

namespace rdx508 {

namespace {

constexpr quint32 kRed = kDarkRed, kBlue = kDarkBlue, kText = kSysWindowText;

struct Step {
  const char16_t* caption;
  quint32 color;
  double ratio;
  int heading;
};

struct Row {
  const char16_t* current;
  Step up, down;
};

constexpr std::array<Row, 22> kScale = {{
    {u"予測", {u"並H", kBlue, 55, -1}, {u"並L", kBlue, 45, -1}},
    {u"暴騰", {u"予測", kText, 50, 9}, {u"騰H", kRed, 95, 9}},
    {u"騰H", {u"暴騰", kText, 98, 0}, {u"騰", kRed, 90, -1}},
    {u"騰", {u"騰H", kRed, 95, -1}, {u"騰L", kRed, 85, -1}},
    {u"騰L", {u"騰", kRed, 90, -1}, {u"高H", kRed, 80, -1}},
    {u"高H", {u"騰L", kRed, 85, -1}, {u"高", kRed, 75, -1}},
    {u"高", {u"高H", kRed, 80, -1}, {u"高L", kRed, 70, -1}},
    {u"高L", {u"高", kRed, 75, -1}, {u"強H", kRed, 65, -1}},
    {u"強H", {u"高L", kRed, 70, -1}, {u"強", kRed, 60, -1}},
    {u"強", {u"強H", kRed, 65, -1}, {u"並H", kRed, 55, -1}},
    {u"並H", {u"強", kRed, 60, -1}, {u"並", kText, 50, -1}},
    {u"並", {u"並H", kRed, 55, -1}, {u"並L", kBlue, 45, -1}},
    {u"並L", {u"並", kText, 50, -1}, {u"弱H", kBlue, 40, -1}},
    {u"弱H", {u"並L", kBlue, 45, -1}, {u"弱", kBlue, 35, -1}},
    {u"弱", {u"弱H", kBlue, 40, -1}, {u"弱L", kBlue, 30, -1}},
    {u"弱L", {u"弱", kBlue, 35, -1}, {u"安H", kBlue, 25, -1}},
    {u"安H", {u"弱L", kBlue, 30, -1}, {u"安", kBlue, 20, -1}},
    {u"安", {u"安H", kBlue, 25, -1}, {u"安L", kBlue, 15, -1}},
    {u"安L", {u"安", kBlue, 20, -1}, {u"落H", kBlue, 10, -1}},
    {u"落H", {u"安L", kBlue, 15, -1}, {u"落", kBlue, 5, -1}},
    {u"落", {u"落H", kBlue, 10, -1}, {u"落L", kBlue, 2, -1}},
    {u"落L", {u"落", kText, 5, -1}, {u"暴落", kText, 1, 8}},
}};
constexpr Row kCrash = {u"暴落", {u"落L", kText, 3, 9}, {u"予測", kText, 50, 9}};
constexpr Step kOffScale = {u"予測", kText, 50, 9};

WordStep ToWordStep(const Step& s) {
  return {QString::fromUtf16(s.caption), s.color, s.ratio, s.heading};
}

struct Bound {
  double bound, factor;
};

constexpr std::array<Bound, 22> kFactors = {
    {{0.49, 0.09},  {0.48, 0.085}, {0.47, 0.075}, {0.45, 0.07},  {0.40, 0.06},  {0.35, 0.055},
     {0.30, 0.05},  {0.25, 0.046}, {0.20, 0.044}, {0.15, 0.042}, {0.13, 0.04},  {0.10, 0.035},
     {0.09, 0.033}, {0.08, 0.03},  {0.07, 0.027}, {0.06, 0.025}, {0.05, 0.023}, {0.04, 0.02},
     {0.03, 0.017}, {0.02, 0.015}, {0.01, 0.013}, {0.005, 0.01}}};
constexpr double kBelowAll = 0.005;

}  // namespace

WordStep NextWord(const QString& current, int32_t direction) {
  const bool up = direction == 0;
  if (current == QStringView(kCrash.current)) return ToWordStep(up ? kCrash.up : kCrash.down);
  for (const Row& row : kScale)
    if (current == QStringView(row.current)) return ToWordStep(up ? row.up : row.down);
  return ToWordStep(kOffScale);
}

double ForecastFactor(double absD) {
  for (const Bound& b : kFactors)
    if (absD >= b.bound) return b.factor;
  return kBelowAll;
}

}  // namespace rdx508
