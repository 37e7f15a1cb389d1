// Feeds fuzzed texts to the numeric rule and to the number formatting: a text either
// reads as a number or not, and every number formats without crashing.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <exception>

#include "fuzz/fuzz_host.h"
#include "toolkit/clb_c1.h"
#include "toolkit/numeric.h"

using namespace rdx508;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static testing::FakeHost host = testing::QuietHost();
  static CLB_C1 clb(host);
  if (size < 9) return 0;
  double raw;
  std::memcpy(&raw, data, sizeof raw);
  const int32_t keta = static_cast<int8_t>(data[8]);
  const QString text = fuzz::InputText(data + 9, size - 9);

  int32_t colour = 0;
  clb.Fmat(Value(raw), colour, keta);
  clb.Fmat(Value(text), colour, keta);
  if (auto number = ParseNumber(text)) clb.Fmat(Value(*number), colour, keta);
  PlainNumberText(raw);
  int32_t selector = keta & 3, decimals = keta;
  try {
    clb.Fmat_C(Value(raw), selector, decimals);
  } catch (const std::exception&) {
  }
  return 0;
}
