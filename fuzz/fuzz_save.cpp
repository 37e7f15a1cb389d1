// Feeds a fuzzed day file and colour-range file (split at the first byte 0xFF) through
// loading and saving: whatever loads must save without an error, and what was saved must
// load and save again to the very same text, so a save never changes or drops what the
// first save kept.
#include <QDateTime>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/files/color_file.h"
#include "app/files/day_file.h"
#include "fuzz/fuzz_host.h"
#include "toolkit/clb_c1.h"

using namespace rdx508;

namespace {

void Fail(const char* what, const QString& first, const QString& second) {
  std::fprintf(stderr, "%s\n--- first\n%s\n--- second\n%s\n", what, qPrintable(first), qPrintable(second));
  std::abort();
}

// Writes `text` with L_Write and reads it back with T_Read.
Table3 SaveAndRead(CLB_C1& clb, const char* name, const QString& text) {
  const QString path = fuzz::ScratchFolder() + u'/' + QString::fromLatin1(name);
  if (clb.L_Write(path, text) != 1) Fail("saving failed", text, {});
  Table3 table;
  if (clb.T_Read(path, table) < 1) Fail("a saved file did not read back", text, {});
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static testing::FakeHost host = testing::QuietHost();
  CLB_C1 clb(host);
  const QDateTime now(QDate(2024, 11, 29), QTime(18, 30));
  const uint8_t* split = std::find(data, data + size, uint8_t{0xFF});
  const uint8_t* colour = split == data + size ? split : split + 1;

  Table3 dayTbl, colorTbl;
  if (clb.T_Read(fuzz::WriteScratch("DAYS.TXT", data, static_cast<size_t>(split - data)), dayTbl) >= 1) {
    DaySeries first;
    LoadDays(clb, dayTbl, first);
    const QString text = DayFileText(first, now);
    DaySeries second;
    LoadDays(clb, SaveAndRead(clb, "SAVED_DAYS.TXT", text), second);
    const QString again = DayFileText(second, now);
    if (again != text) Fail("the day file changed on its second save", text, again);
  }
  if (clb.T_Read(fuzz::WriteScratch("COLOR.TXT", colour, static_cast<size_t>(data + size - colour)),
                 colorTbl) >= 1) {
    Table2 first;
    LoadRanges(colorTbl, first);
    const QString text = ColorFileText(first, now);
    Table2 second;
    LoadRanges(SaveAndRead(clb, "SAVED_COLOR.TXT", text), second);
    const QString again = ColorFileText(second, now);
    if (again != text) Fail("the colour-range file changed on its second save", text, again);
  }
  return 0;
}
