#include "toolkit/clb_c1.h"

namespace rdx508 {

CLB_C1::CLB_C1(Host& host) : host_(host), closedDays_(101 * 367, 0) {}

void CLB_C1::showError(const QString& label, int32_t number, const QString& description) {
  host_.errorBox(u"CLB_C1"_s + label, u"Error("_s + QString::number(number) + u")"_s + description);
}

}  // namespace rdx508
