// Feeds fuzzed typed texts to the date operations: 日付補正 in both forms and
// 営業日変換 with a count taken from the input. A failure may be raised as an
// exception the caller catches; nothing may crash or hang.
#include <cstddef>
#include <cstdint>
#include <exception>

#include "fuzz/fuzz_host.h"
#include "toolkit/clb_c1.h"

using namespace rdx508;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static testing::FakeHost host = testing::QuietHost();
  static CLB_C1 clb(host);
  int32_t count = 1;
  if (size >= 1) {
    count = static_cast<int8_t>(data[0]);  // small counts, negative ones included
    ++data;
    --size;
  }
  const QString text = fuzz::InputText(data, size);
  try {
    clb.日付補正(text, 0);
    clb.日付補正(text, 1);
    clb.営業日変換(text, count);
    clb.日付間隔(text, QStringLiteral("24/01/04"));
  } catch (const std::exception&) {
  }
  return 0;
}
