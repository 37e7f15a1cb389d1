#include "toolkit/clb_c1.h"

#include "toolkit/clb_report.h"

namespace rdx508 {

CLB_C1::CLB_C1(Host& host) : host_(host), closedDays_(101 * 367, 0) {}

// The pattern every reporting operation follows: run the body, and on a runtime error show
// the error box and return the failure text.
QString CLB_C1::関数_転用(int32_t&, Value&, double&) {
  return RunReported(host_, kSampleReport, [] { return QStringLiteral("実行成功"); });
}

}  // namespace rdx508
