#include "calendar/two_digit_year.h"

#include <QDate>

namespace rdx508 {

namespace {

int32_t referenceYear = 0;  // 0 = not set: the system clock decides on first use

}  // namespace

int32_t ReferenceYear() {
  if (referenceYear == 0) referenceYear = QDate::currentDate().year();
  return referenceYear;
}

void SetReferenceYear(int32_t year) {
  referenceYear = year;
}

}  // namespace rdx508
