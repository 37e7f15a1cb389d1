#pragma once
// A CLB_C1 on a fake host whose clock stands at 2007-03-15 09:05.

#include <gtest/gtest.h>

#include "support/fake_host.h"
#include "toolkit/clb_c1.h"

namespace rdx508::testing {

class CalendarTest : public ::testing::Test {
 protected:
  FakeHost host;
  CLB_C1 clb{host};
};

}  // namespace rdx508::testing
