#pragma once
// Sets the year two-digit years are read around for one test, and puts the previous one back.

#include "calendar/two_digit_year.h"

namespace rdx508::testing {

class ReferenceYearScope {
 public:
  explicit ReferenceYearScope(int32_t year) : previous_(ReferenceYear()) { SetReferenceYear(year); }
  ~ReferenceYearScope() { SetReferenceYear(previous_); }

 private:
  int32_t previous_;
};

}  // namespace rdx508::testing
