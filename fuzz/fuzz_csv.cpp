// Feeds fuzzed bytes to the CSV reader as an imported file: it must read or refuse every
// input without crashing; every day it accepts must carry a real date and counts of 0 or
// more; merging must be idempotent; and the merged days must export, read back without a
// rejected line, and export again to the very same text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/csv/csv_export.h"
#include "app/csv/csv_import.h"
#include "app/csv/import_preview.h"
#include "app/series/import_merge.h"
#include "calendar/date_text.h"

using namespace rdx508;

namespace {

void Fail(const char* what, const QString& detail = {}) {
  std::fprintf(stderr, "%s\n%s\n", what, qPrintable(detail));
  std::abort();
}

// A few stored days, one of them in the archive, for the input to meet.
DaySeries Stored() {
  DaySeries s;
  s.Days[1] = {QStringLiteral("24/11/29"), 2680.71, 1020, 560, 38208.03};
  s.Days[2] = {QStringLiteral("24/11/28"), 2670, 900, 700, 38100};
  s.DayCnt = 2;
  s.Archive.append({QStringLiteral("24/11/27"), 2660, 800, 800, 38000});
  s.ComputeIndicators();
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CsvImport file =
      ParseCsvImport(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                     QStringLiteral("fuzz.csv"));
  int32_t previous = 0;
  for (const RejectedLine& r : file.rejected) {
    if (r.line <= previous || r.why.isEmpty()) Fail("rejected lines out of order or without a reason", r.why);
    previous = r.line;
  }
  for (const ImportedDay& d : file.days) {
    if (!DateFromText(d.day.Date) || d.day.Date.size() != 8)
      Fail("an accepted day without a short date", d.day.Date);
    if (d.day.Up < 0 || d.day.Down < 0) Fail("an accepted negative count", d.day.Date);
  }

  DaySeries series = Stored();
  const ImportPreview preview = PreviewImport(series, file);
  (void)preview.Counts();
  (void)preview.Conflicts();
  (void)preview.Rejected();
  const ImportResult result = ApplyImport(series, file.days, ImportMode::Overwrite);
  if (result.added != preview.plan.newDays || result.overwritten != preview.plan.conflicts)
    Fail("the merge did not do what its plan said", preview.Counts());
  if (ApplyImport(series, file.days, ImportMode::Overwrite).changed())
    Fail("a second merge changed the days");

  const QString text = ExportCsvText(series);
  const CsvImport back = ParseCsvImport(text.toUtf8(), QStringLiteral("export.csv"));
  if (!back.failure.isEmpty() || back.rejectedCount > 0) Fail("an export did not read back", back.failure);
  DaySeries again;
  ApplyImport(again, back.days, ImportMode::NewOnly);
  if (ExportCsvText(again) != text) Fail("export, import and export again differ", text);
  return 0;
}
