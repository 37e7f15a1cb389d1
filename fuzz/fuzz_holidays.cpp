// Feeds a fuzzed national holiday list through the start-up step that reads it (settings
// row 5) and through the calendar built on it. Every valid line must be kept, the report
// must name a bad line whenever one is counted, and the closed-day table and business
// days must answer for any list.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/files/holiday_setup.h"
#include "calendar/holiday_list.h"
#include "calendar/holiday_list_file.h"
#include "fuzz/fuzz_host.h"
#include "toolkit/clb_c1.h"

using namespace Qt::Literals::StringLiterals;

using namespace rdx508;

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static testing::FakeHost host = testing::QuietHost();
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  const HolidayListReading reading = ReadHolidayList(bytes);
  if ((reading.badLines == 0) != (reading.firstBadLine == 0)) Fail("bad lines counted but none named");
  for (const QDate& day : reading.days)
    if (!day.isValid()) Fail("an invalid day was kept");

  // The same bytes as the file settings row 5 names.
  CLB_C1 clb(host);
  Table3 INI({3, 5, 1});
  INI(0, 1, 0) = Value(u"5"_s);
  INI(2, 5, 1) = Value(fuzz::WriteScratch("syukujitsu.csv", data, size));
  const QString message = LoadHolidayList(clb, INI);
  const HolidayList* list = clb.holidayList();
  if (!list) Fail("a configured list was not handed to the calendar");
  if (list->size() > reading.days.size()) Fail("more days than valid lines");
  if (message.isEmpty() != (reading.badLines == 0)) Fail("a bad list was not reported, or a good one was");

  try {
    clb.休日暦作成();
    // Every day is looked up; the slower business-day walk from the first few only.
    size_t walked = 0;
    for (const QDate& day : reading.days) {
      if (!list->IsListed(day)) Fail("a valid line's day is not listed");
      if (++walked > 16) continue;
      if (day.year() >= 1945 && day.year() <= 2044) {  // the two-digit window of the host clock
        const QString text = day.toString(u"yy/MM/dd"_s);
        if (clb.営業日変換(text, 0) != text) Fail("a listed day did not normalise to itself");
        clb.営業日変換(text, 3);
      }
    }
    for (int yy = 0; yy <= 99; ++yy)
      clb.IsClosed(yy, 1 + (yy * 37) % 366);
  } catch (const std::exception&) {
  }
  return 0;
}
