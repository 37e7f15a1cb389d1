// Benchmarks of the archive and of saving with backups, each beside what it is compared with:
//   reading a 10,000-day archive  vs  reading the same file, decoding it and splitting lines;
//   the start-up files with a 10,000-day archive  vs  the same without one;
//   a save with backups (998 days; and with a 10,000-day archive)  vs  writing the same two
//   files with L_Write alone, as a save did before backups.
// Saves wait for the disk, so they are timed in wall time.
#include <benchmark/benchmark.h>

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include "app/files/archive_file.h"
#include "app/files/color_file.h"
#include "app/files/day_file.h"
#include "app/files/save_data.h"
#include "app/files/startup.h"
#include "bench/bench_data.h"
#include "support/fake_host.h"
#include "toolkit/text_file.h"

using namespace rdx508;

namespace {

constexpr int kArchiveDays = 10000;

// A program folder of 998 days, with or without a 10,000-day archive beside the day file.
struct Folder {
  QTemporaryDir dir;
  testing::FakeHost host = testing::QuietHost();
  CLB_C1 clb{host};
  StartupTables tables;
  DaySeries series;
  Table2 range;

  explicit Folder(bool withArchive) {
    host.folder = dir.path();
    bench::WriteProgramFolder(dir.path(), 998);
    if (withArchive) {
      QFile f(dir.path() + QStringLiteral("/RDX508_ARCHIVE.TXT"));
      f.open(QIODevice::WriteOnly);
      f.write(bench::ArchiveFileBytes(kArchiveDays));
    }
    ReadStartupFiles(clb, tables);
    LoadDays(clb, tables.DayTbl, series);
    LoadRanges(tables.ColorTbl, range);
    LoadArchive(clb, tables.INI, series.Archive);
  }
  QString archive() const { return dir.path() + QStringLiteral("/RDX508_ARCHIVE.TXT"); }
};

Folder& WithArchive() {
  static Folder folder(true);
  return folder;
}
Folder& WithoutArchive() {
  static Folder folder(false);
  return folder;
}

void BM_ReadArchive10000(benchmark::State& state) {
  Folder& folder = WithArchive();
  for (auto _ : state) {
    QList<DayRec> days;
    benchmark::DoNotOptimize(ReadArchiveFile(folder.archive(), days).unreadable);
    if (days.size() != kArchiveDays) state.SkipWithError("the archive did not read whole");
  }
}
BENCHMARK(BM_ReadArchive10000)->Unit(benchmark::kMillisecond);

void BM_Floor_ReadDecodeSplit10000(benchmark::State& state) {
  Folder& folder = WithArchive();
  for (auto _ : state) {
    QFile f(folder.archive());
    f.open(QIODevice::ReadOnly);
    const QString text = DecodeCp932(f.readAll());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    benchmark::DoNotOptimize(lines.size());
  }
}
BENCHMARK(BM_Floor_ReadDecodeSplit10000)->Unit(benchmark::kMillisecond);

// What the start reads before the window is built: the three files, the days, and the archive.
void StartFiles(benchmark::State& state, Folder& folder) {
  for (auto _ : state) {
    StartupTables tables;
    ReadStartupFiles(folder.clb, tables);
    DaySeries series;
    LoadDays(folder.clb, tables.DayTbl, series);
    benchmark::DoNotOptimize(LoadArchive(folder.clb, tables.INI, series.Archive));
  }
}
void BM_StartFiles998_Archive10000(benchmark::State& state) {
  StartFiles(state, WithArchive());
}
BENCHMARK(BM_StartFiles998_Archive10000)->Unit(benchmark::kMillisecond);
void BM_StartFiles998(benchmark::State& state) {
  StartFiles(state, WithoutArchive());
}
BENCHMARK(BM_StartFiles998)->Unit(benchmark::kMillisecond);

// A save writes only files whose content changed: each round changes a day and a colour
// limit, so that every file is written as a real save writes it.
void SaveChanged(benchmark::State& state, Folder& folder) {
  int32_t round = 0;
  for (auto _ : state) {
    ++round;
    folder.series.Days[1].Up += round % 2 == 0 ? 1 : -1;
    folder.range(0, 0) = Value(20 + round % 2);
    benchmark::DoNotOptimize(SaveDataFiles(folder.clb, folder.tables.INI, folder.series, folder.range));
  }
}

void BM_SaveWithBackups998(benchmark::State& state) {
  SaveChanged(state, WithoutArchive());
}
BENCHMARK(BM_SaveWithBackups998)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveWithBackups998_Archive10000(benchmark::State& state) {
  SaveChanged(state, WithArchive());
}
BENCHMARK(BM_SaveWithBackups998_Archive10000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Floor_LWrite998(benchmark::State& state) {
  Folder& folder = WithoutArchive();
  const QString days = folder.dir.path() + QStringLiteral("/PLAIN_DAYS.TXT");
  const QString colours = folder.dir.path() + QStringLiteral("/PLAIN_COLOR.TXT");
  for (auto _ : state) {
    folder.clb.L_Write(days, DayFileText(folder.series, folder.host.now()));
    benchmark::DoNotOptimize(folder.clb.L_Write(colours, ColorFileText(folder.range, folder.host.now())));
  }
}
BENCHMARK(BM_Floor_LWrite998)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
