// Feeds fuzzed file contents to one of the file readers, chosen at build time by
// FUZZ_READER: every reader must return a result without crashing, hanging or
// allocating beyond what the file warrants.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_host.h"
#include "toolkit/clb_c1.h"

using namespace rdx508;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static testing::FakeHost host = testing::QuietHost();
  CLB_C1 clb(host);
  const QString path = fuzz::WriteScratch("input.txt", data, size);
#if FUZZ_READER == 1
  Table3 table;
  clb.T_Read(path, table);
#elif FUZZ_READER == 2
  Table2 table;
  clb.Tbl_Read(path, table);
#elif FUZZ_READER == 3
  List lines;
  clb.L_Read(path, lines);
#elif FUZZ_READER == 4
  List lines;
  clb.F_Read(path, lines);
#elif FUZZ_READER == 5
  Table5 names, values;
  clb.B_Read(path, names, values);
#else
#error "FUZZ_READER selects the reader"
#endif
  return 0;
}
