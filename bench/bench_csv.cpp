// Benchmarks of import and export, each beside its floor:
//   importing a 10,000-line CSV file (read, decode, parse, plan, merge into an empty
//     series)  vs  reading the same bytes from the file;
//   exporting 10,000 days (history, derived values, text, UTF-8, written atomically)
//     vs  writing the same bytes the same way.
#include <benchmark/benchmark.h>

#include <QDate>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include "app/csv/csv_export.h"
#include "app/csv/csv_import.h"
#include "app/series/import_merge.h"

using namespace rdx508;

namespace {

constexpr int kDays = 10000;

// 10,000 weekdays up to 2024/11/29: the newest 998 in the series, the rest in the archive.
DaySeries TenThousandDays() {
  DaySeries series;
  QDate date(2024, 11, 29);
  for (int k = 0; k < kDays; ++k) {
    const DayRec day{date.toString(QStringLiteral("yy/MM/dd")), 2700.0 + (k * 37) % 97 - 48.25,
                     800 + (k * 53) % 300, 700 + (k * 31) % 250, 38000.0 + (k * 71) % 513 - 256.5};
    if (k < DaySeries::kMaxDays)
      series.Days[static_cast<size_t>(k) + 1] = day;
    else
      series.Archive.append(day);
    do {
      date = date.addDays(-1);
    } while (date.dayOfWeek() > 5);
  }
  series.DayCnt = DaySeries::kMaxDays;
  series.ComputeIndicators();
  return series;
}

struct Files {
  QTemporaryDir dir;
  DaySeries series = TenThousandDays();
  QString csv = dir.filePath(QStringLiteral("days.csv"));
  QByteArray bytes;
  Files() {
    bytes = *EncodeCsv(ExportCsvText(series), CsvEncoding::Utf8);
    QFile f(csv);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
  }
};

Files& Shared() {
  static Files files;
  return files;
}

void BM_ImportCsv10000(benchmark::State& state) {
  Files& files = Shared();
  for (auto _ : state) {
    const CsvImport read = ReadCsvImport(files.csv);
    DaySeries series;
    const ImportPlan plan = PlanImport(series, read.days);
    const ImportResult result = ApplyImport(series, read.days, ImportMode::NewOnly);
    if (result.added != kDays || plan.newDays != kDays) state.SkipWithError("not every day imported");
    benchmark::DoNotOptimize(series.Inds.data());
  }
}
BENCHMARK(BM_ImportCsv10000)->Unit(benchmark::kMillisecond);

void BM_Floor_ReadCsvBytes10000(benchmark::State& state) {
  Files& files = Shared();
  for (auto _ : state) {
    QFile f(files.csv);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_Floor_ReadCsvBytes10000)->Unit(benchmark::kMillisecond);

void BM_ExportCsv10000(benchmark::State& state) {
  Files& files = Shared();
  const QString out = files.dir.filePath(QStringLiteral("out.csv"));
  for (auto _ : state) {
    if (!ExportCsvFile(files.series, out, CsvEncoding::Utf8)) state.SkipWithError("not written");
  }
}
BENCHMARK(BM_ExportCsv10000)->Unit(benchmark::kMillisecond);

void BM_Floor_WriteCsvBytes10000(benchmark::State& state) {
  Files& files = Shared();
  const QString out = files.dir.filePath(QStringLiteral("floor.csv"));
  for (auto _ : state) {
    QSaveFile f(out);
    f.open(QIODevice::WriteOnly);
    f.write(files.bytes);
    if (!f.commit()) state.SkipWithError("not written");
  }
}
BENCHMARK(BM_Floor_WriteCsvBytes10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
