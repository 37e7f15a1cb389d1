#pragma once
// Reading a national holiday list in the form the Cabinet Office publishes it
// (syukujitsu.csv): the header line 国民の祝日・休日月日,国民の祝日・休日名称, then one
// line per holiday, "yyyy/m/d,名称". Code page 932 or UTF-8 (with or without a byte order
// mark), CR LF or LF line ends, dates with or without zero padding.

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <cstdint>
#include <vector>

namespace rdx508 {

struct HolidayListReading {
  std::vector<QDate> days;   // the day of every valid line, in file order
  bool headerOk = false;     // the first line is the list's header
  int32_t badLines = 0;      // lines that are neither the header nor a holiday (a wrong header counts)
  int32_t firstBadLine = 0;  // the first of them, counted from 1; 0 when there is none
  QString firstBadText;      // that line's text, shortened for a message
};

// Reads the list's bytes. Blank lines are skipped; a first line that is no header but a
// holiday line is counted as bad (the header is missing) and its day is kept.
HolidayListReading ReadHolidayList(QByteArrayView bytes);

}  // namespace rdx508
