// Feeds a fuzzed archive file to its reader: whatever it reads must save and read back to
// the very same days, so a save never changes or drops a day that was read.
#include <QDateTime>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/files/archive_file.h"
#include "fuzz/fuzz_host.h"
#include "toolkit/clb_c1.h"

using namespace Qt::Literals::StringLiterals;

using namespace rdx508;

namespace {

void Fail(const char* what, const QString& first, const QString& second) {
  std::fprintf(stderr, "%s\n--- first\n%s\n--- second\n%s\n", what, qPrintable(first), qPrintable(second));
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static testing::FakeHost host = testing::QuietHost();
  CLB_C1 clb(host);
  const QDateTime now(QDate(2024, 11, 29), QTime(18, 30));
  QList<DayRec> first;
  ReadArchiveFile(fuzz::WriteScratch("ARCHIVE.TXT", data, size), first);
  const QString text = ArchiveFileText(first, now);
  const QString saved = fuzz::ScratchFolder() + u"/SAVED_ARCHIVE.TXT"_s;
  if (clb.L_Write(saved, text) != 1) Fail("saving failed", text, {});
  QList<DayRec> second;
  const QString report = ReadArchiveFile(saved, second).text;
  if (!report.isEmpty()) Fail("the saved archive reads with a report", text, report);
  if (ArchiveFileText(second, now) != text)
    Fail("the archive did not read back as saved", text, ArchiveFileText(second, now));
  return 0;
}
