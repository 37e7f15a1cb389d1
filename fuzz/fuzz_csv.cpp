// Feeds fuzzed bytes to the CSV reader as an imported file: it must read or refuse every
// input without crashing; every day it accepts must carry a real date; lines passed over as
// notes stand only before the header or after the last day; merging must be idempotent,
// must never turn a stored value into 0 nor touch a column the file lacks, whichever index a
// lone close column is given; and the merged days must export, read back without a
// rejected line, and export again to the very same text.
#include <algorithm>
#include <climits>
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
  }
  int32_t firstData = INT32_MAX, lastData = 0;
  for (const ImportedDay& d : file.days) {
    firstData = std::min(firstData, d.line);
    lastData = std::max(lastData, d.line);
  }
  for (const RejectedLine& r : file.rejected) {
    firstData = std::min(firstData, r.line);
    lastData = std::max(lastData, r.line);
  }
  for (const RejectedLine& n : file.notes)
    if (n.line > firstData && n.line < lastData) Fail("a line between the data passed over as a note", n.why);

  // A lone close column goes to the index the last byte picks.
  CsvImport assigned = file;
  if (assigned.loneClose)
    AssignLoneClose(assigned, size > 0 && (data[size - 1] & 1) ? CloseIndex::Topix : CloseIndex::Nikkei);

  DaySeries series = Stored();
  const DaySeries before = series;
  const ImportPreview preview = PreviewImport(series, assigned);
  (void)preview.Counts();
  (void)preview.Conflicts();
  (void)preview.Filled();
  (void)preview.NewDates();
  (void)preview.Notes();
  (void)preview.Rejected();
  const ImportResult result = ApplyImport(series, assigned.days, ImportMode::Overwrite);
  if (result.added != preview.plan.newDays || result.overwritten != preview.plan.conflicts ||
      result.filled != preview.plan.filled)
    Fail("the merge did not do what its plan said", preview.Counts());
  if (ApplyImport(series, assigned.days, ImportMode::Overwrite).changed())
    Fail("a second merge changed the days");
  const uint8_t given = assigned.days.empty() ? kGivesAll : assigned.days.front().given;
  for (int32_t p = 1; p <= before.DayCnt; ++p) {
    const DayRec& was = before.Days[static_cast<size_t>(p)];
    for (int32_t q = 1; q <= series.DayCnt; ++q) {
      const DayRec& now = series.Days[static_cast<size_t>(q)];
      if (now.Date != was.Date) continue;
      if ((was.Topix != 0 && now.Topix == 0) || (was.Nikkei != 0 && now.Nikkei == 0) ||
          (was.Up != 0 && now.Up == 0) || (was.Down != 0 && now.Down == 0))
        Fail("an import turned a stored value into 0", now.Date);
      if ((!(given & kGivesTopix) && now.Topix != was.Topix) ||
          (!(given & kGivesNikkei) && now.Nikkei != was.Nikkei) ||
          (!(given & kGivesUp) && now.Up != was.Up) || (!(given & kGivesDown) && now.Down != was.Down))
        Fail("an import changed a column the file lacks", now.Date);
    }
  }

  const QString text = ExportCsvText(series);
  const CsvImport back = ParseCsvImport(text.toUtf8(), QStringLiteral("export.csv"));
  if (!back.failure.isEmpty() || back.rejectedCount > 0) Fail("an export did not read back", back.failure);
  DaySeries again;
  ApplyImport(again, back.days, ImportMode::NewOnly);
  if (ExportCsvText(again) != text) Fail("export, import and export again differ", text);
  return 0;
}
