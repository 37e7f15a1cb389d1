#include "bench/bench_data.h"

#include <QDate>
#include <QFile>
#include <QStringEncoder>
#include <QStringList>
#include <algorithm>
#include <functional>

namespace rdx508::bench {

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

}  // namespace

QByteArray DayFileBytes(int lines) {
  // Declare enough sections that every data line is filed, so the reader does its full work.
  QString text = QStringLiteral("%1,5,RDX508_F4 202411291830\r\n").arg(1 + lines / 1000);
  text += QStringLiteral("/*（移動平均データ、日付、ＴＯＰＩＸ、上昇数、下落数、日経平均）\r\n");
  QDate date(2024, 11, 29);
  for (int i = 1; i < lines; ++i) {
    const int section = 1 + i / 1000, row = i % 1000;
    text += QStringLiteral("%1,%2,%3,%4,%5,%6,%7\r\n")
                .arg(section, 2, 10, QChar(u'0'))
                .arg(row, 3, 10, QChar(u'0'))
                .arg(date.toString(QStringLiteral("yy/MM/dd")))
                .arg(2700.0 + (i * 37) % 97 - 48, 0, 'f', 2)
                .arg(800 + (i * 53) % 300)
                .arg(700 + (i * 31) % 250)
                .arg(38000.0 + (i * 71) % 513 - 256, 0, 'f', 2);
    do {
      date = date.addDays(-1);
    } while (date.dayOfWeek() > 5);
  }
  QStringEncoder encoder("CP932");
  return encoder.encode(text);
}

QByteArray ArchiveFileBytes(int days) {
  QString text = QStringLiteral("1,5,RDX508_F4 202411291830\r\n");
  text += QStringLiteral("/*（移動平均データ、日付、ＴＯＰＩＸ、上昇数、下落数、日経平均）\r\n");
  // Newest first in the order of the date texts, as the program keeps days: 10,000 days
  // reach back beyond 2000, whose short dates order before those of the 1990s.
  QStringList dates;
  for (QDate date(2020, 11, 27); dates.size() < days; date = date.addDays(-1)) {
    if (date.dayOfWeek() <= 5) dates << date.toString(QStringLiteral("yy/MM/dd"));
  }
  std::sort(dates.begin(), dates.end(), std::greater<>());
  for (int i = 0; i < days; ++i) {
    text += QStringLiteral("01,%1,%2,%3,%4,%5,%6\r\n")
                .arg(999 + i)
                .arg(dates[i])
                .arg(1700.0 + (i * 37) % 97 - 48, 0, 'f', 2)
                .arg(800 + (i * 53) % 300)
                .arg(700 + (i * 31) % 250)
                .arg(20000.0 + (i * 71) % 513 - 256, 0, 'f', 2);
  }
  QStringEncoder encoder("CP932");
  return encoder.encode(text);
}

bool WriteProgramFolder(const QString& folder, int days) {
  const QByteArray settings =
      "1,3,BENCH\r\n01,001,,,\\DAYS.TXT\r\n01,002,,,\\DAYS.TXT\r\n01,003,,,\\COLOR.TXT\r\n01,004,,,\\COLOR."
      "TXT\r\n";
  const QByteArray colours =
      "1,7,RDX508_F5 202411291830\r\n01,000,20,45,50,55,60,80,100,\r\n01,001,20,45,50,55,60,80,100,\r\n"
      "01,002,60,70,80,100,120,130,140,\r\n";
  return WriteFile(folder + QStringLiteral("/RDX508_INIT.TXT"), settings) &&
         WriteFile(folder + QStringLiteral("/DAYS.TXT"), DayFileBytes(days + 1)) &&
         WriteFile(folder + QStringLiteral("/COLOR.TXT"), colours);
}

}  // namespace rdx508::bench
