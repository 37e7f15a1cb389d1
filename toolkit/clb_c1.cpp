#include "toolkit/clb_c1.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

CLB_C1::CLB_C1(Host& host) : host_(host), closedDays_(101 * 367, 0) {}

void CLB_C1::showError(const QString& label, int32_t number, const QString& description) {
  host_.errorBox(u"CLB_C1"_s + label, u"Error("_s + QString::number(number) + u")"_s + description);
}

// The pattern every reporting operation follows: run the body, and on a runtime error show
// the error box and return the failure text.
QString CLB_C1::関数_転用(int32_t&, Value&, double&) {
  try {
    return u"実行成功"_s;
  } catch (const std::exception& error) {
    showError(u"(関数 サンプル)"_s, 0, QString::fromLocal8Bit(error.what()));
    return u"実行失敗"_s;
  }
}

}  // namespace rdx508
