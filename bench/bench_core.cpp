// Benchmarks of the program's logic, each beside its floor:
//   T_Read of a 32,768-line day file  vs  decoding the same bytes and splitting lines;
//   ComputeIndicators with 998 days  vs  one pass summing the five fields of 998 records;
//   RedrawGrid in the model with 998 days (absolute).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include "app/files/startup.h"
#include "app/series/day_series.h"
#include "bench/bench_data.h"
#include "support/fake_host.h"
#include "toolkit/clb_c1.h"
#include "ui/rdx_f508.h"

using namespace rdx508;

namespace {

struct DayFileFixture {
  QTemporaryDir dir;
  QString path;
  QByteArray bytes;
  explicit DayFileFixture(int lines)
      : path(dir.path() + QStringLiteral("/DAYS.TXT")), bytes(bench::DayFileBytes(lines)) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
  }
};

DayFileFixture& BigDayFile() {
  static DayFileFixture fixture(32768);
  return fixture;
}

void BM_TRead32768(benchmark::State& state) {
  testing::FakeHost host = testing::QuietHost();
  CLB_C1 clb(host);
  auto& file = BigDayFile();
  for (auto _ : state) {
    Table3 table;
    benchmark::DoNotOptimize(clb.T_Read(file.path, table));
  }
}
BENCHMARK(BM_TRead32768)->Unit(benchmark::kMillisecond);

void BM_Floor_DecodeAndSplit32768(benchmark::State& state) {
  auto& file = BigDayFile();
  for (auto _ : state) {
    QFile f(file.path);
    f.open(QIODevice::ReadOnly);
    QStringDecoder decoder("CP932", QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(f.readAll());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    benchmark::DoNotOptimize(lines.size());
  }
}
BENCHMARK(BM_Floor_DecodeAndSplit32768)->Unit(benchmark::kMillisecond);

DaySeries FullSeries() {
  DaySeries series;
  series.DayCnt = DaySeries::kMaxDays;
  for (int p = 1; p <= DaySeries::kMaxDays; ++p) {
    DayRec& d = series.Days[static_cast<size_t>(p)];
    d.Date =
        QStringLiteral("24/%1/%2").arg(1 + p % 12, 2, 10, QChar(u'0')).arg(1 + p % 28, 2, 10, QChar(u'0'));
    d.Topix = 2700 + p % 97;
    d.Nikkei = 38000 + p % 513;
    d.Up = 800 + p % 300;
    d.Down = 700 + p % 250;
  }
  return series;
}

void BM_ComputeIndicators998(benchmark::State& state) {
  DaySeries series = FullSeries();
  for (auto _ : state) {
    series.ComputeIndicators();
    benchmark::DoNotOptimize(series.Inds.data());
  }
}
BENCHMARK(BM_ComputeIndicators998)->Unit(benchmark::kMicrosecond);

void BM_Floor_SumFiveFields998(benchmark::State& state) {
  DaySeries series = FullSeries();
  for (auto _ : state) {
    double topix = 0, nikkei = 0;
    int64_t up = 0, down = 0, dated = 0;
    for (int p = 1; p <= series.DayCnt; ++p) {
      const DayRec& d = series.Days[static_cast<size_t>(p)];
      topix += d.Topix;
      nikkei += d.Nikkei;
      up += d.Up;
      down += d.Down;
      dated += d.Date.size();
    }
    benchmark::DoNotOptimize(topix + nikkei + static_cast<double>(up + down + dated));
  }
}
BENCHMARK(BM_Floor_SumFiveFields998)->Unit(benchmark::kMicrosecond);

// The model's full refresh with 998 days loaded from a real program folder.
void BM_RedrawGridModel998(benchmark::State& state) {
  QTemporaryDir dir;
  testing::FakeHost host = testing::QuietHost();
  host.folder = dir.path();
  if (!bench::WriteProgramFolder(dir.path(), DaySeries::kMaxDays)) {
    state.SkipWithError("program folder not written");
    return;
  }
  CLB_C1 clb(host);
  StartupTables tables;
  if (!ReadStartupFiles(clb, tables).isEmpty()) {
    state.SkipWithError("start-up files not read");
    return;
  }
  RDX_F508 window(clb, host, tables);
  window.Form_Load();
  if (window.series().DayCnt != DaySeries::kMaxDays) {
    state.SkipWithError("not every day loaded");
    return;
  }
  for (auto _ : state) {
    window.RedrawGrid();
  }
}
BENCHMARK(BM_RedrawGridModel998)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
