// Benchmarks of the market calendar at start-up: reading a national holiday list of
// about 1,250 lines (the shipped 2004-2027 list, and the same days 24 and 48 years
// earlier) from its bytes and through the start-up step, and the closed-day table's
// build with the first business day the window asks for, without and with the list.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "app/files/holiday_setup.h"
#include "bench/bench_data.h"
#include "calendar/holiday_list.h"
#include "calendar/holiday_list_file.h"
#include "support/fake_host.h"
#include "toolkit/clb_c1.h"

using namespace Qt::Literals::StringLiterals;

using namespace rdx508;

namespace {

// The shipped list's header, then each of its days in three copies 24 years apart.
QByteArray LongList() {
  QFile shipped(QStringLiteral(RDX508_DATA_DIR "/syukujitsu.csv"));
  if (!shipped.open(QIODevice::ReadOnly)) return {};
  const QList<QByteArray> lines = shipped.readAll().split('\n');
  QByteArray bytes = lines.value(0) + '\n';
  for (int shift : {48, 24, 0}) {
    for (qsizetype i = 1; i < lines.size(); ++i) {
      const QByteArray& line = lines[i];
      if (line.size() < 5) continue;
      bytes += QByteArray::number(line.left(4).toInt() - shift) + line.mid(4) + '\n';
    }
  }
  return bytes;
}

struct ListFolder {
  QTemporaryDir dir;
  QByteArray bytes = LongList();
  Table3 INI{{3, 5, 1}};
  ListFolder() {
    QFile f(dir.path() + QStringLiteral("/syukujitsu.csv"));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    INI(0, 1, 0) = Value(u"5"_s);
    INI(3, 5, 1) = Value(u"\\syukujitsu.csv"_s);
  }
};

ListFolder& Folder() {
  static ListFolder folder;
  return folder;
}

void BM_ReadHolidayList1250(benchmark::State& state) {
  const QByteArray& bytes = Folder().bytes;
  for (auto _ : state) {
    const HolidayListReading reading = ReadHolidayList(bytes);
    benchmark::DoNotOptimize(reading.days.data());
    if (reading.badLines != 0 || reading.days.size() < 1200)
      state.SkipWithError("the list did not read whole");
  }
}
BENCHMARK(BM_ReadHolidayList1250)->Unit(benchmark::kMicrosecond);

// The start-up step: the file read, its lines parsed and the list handed to the calendar.
void BM_LoadHolidayList1250(benchmark::State& state) {
  testing::FakeHost host = testing::QuietHost();
  host.folder = Folder().dir.path();
  for (auto _ : state) {
    CLB_C1 clb(host);
    if (!LoadHolidayList(clb, Folder().INI).isEmpty()) state.SkipWithError("the list was reported");
    benchmark::DoNotOptimize(clb.holidayList());
  }
}
BENCHMARK(BM_LoadHolidayList1250)->Unit(benchmark::kMicrosecond);

// 休日暦作成 and the forecast row's first question (the business day after a date).
void BM_ClosedDayTableAndFirstBusinessDay(benchmark::State& state) {
  testing::FakeHost host = testing::QuietHost();
  std::shared_ptr<const HolidayList> list;
  if (state.range(0) == 1) list = std::make_shared<const HolidayList>(ReadHolidayList(Folder().bytes).days);
  for (auto _ : state) {
    CLB_C1 clb(host);
    clb.SetHolidayList(list);
    benchmark::DoNotOptimize(clb.休日暦作成());
    benchmark::DoNotOptimize(clb.営業日変換(u"24/11/29"_s, 2));
  }
}
BENCHMARK(BM_ClosedDayTableAndFirstBusinessDay)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
