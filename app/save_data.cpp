#include "app/save_data.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "app/archive_file.h"
#include "app/backup_write.h"
#include "app/color_file.h"
#include "app/companion_files.h"
#include "app/day_file.h"
#include "app/startup.h"
#include "calendar/date_text.h"
#include "toolkit/text_file.h"

namespace rdx508 {

namespace {

// Whether the settings have row `row`; otherwise says which file is not saved.
bool HasWriteRow(CLB_C1& clb, const Table3& INI, int32_t row, const QString& what) {
  if (HasSettingsRow(INI, row)) return true;
  clb.host().errorBox(
      u"市況ノート"_s,
      u"設定ファイルに INI(1, %1, x) がありません。%2は保存されませんでした。"_s.arg(row).arg(what));
  return false;
}

QSet<QString> DatesOf(const QList<DayRec>& days) {
  QSet<QString> dates;
  for (const DayRec& day : days)
    dates.insert(day.Date);
  return dates;
}

// Writes the archive and the day file in an order that keeps every day in one of the two
// files whenever the save stops: days that moved into the archive are written there
// before the day file drops them, days that moved back into the series are written to the
// day file before the archive drops them. When days moved both ways, the archive first
// holds both its old and its new days.
bool SaveDaysWithArchive(CLB_C1& clb, const QString& dayPath, const QString& archivePath,
                         const DaySeries& series) {
  Host& host = clb.host();
  const QDateTime now = host.now();
  auto notSaved = [&](const QString& why) {
    host.errorBox(u"市況ノート"_s, why + u"日付ファイルと保管ファイルは保存されませんでした。"_s);
    return false;
  };

  QList<DayRec> saved;
  const ArchiveReport read = ReadArchiveFile(archivePath, saved);
  if (read.unreadable) {
    // What the file holds is unknown: it is left alone, and so is the day file unless no
    // day has to go to the archive.
    if (!series.Archive.isEmpty()) return notSaved(read.text);
    return WriteWithBackups(clb, dayPath, DayFileText(clb, series, now));
  }
  const QSet<QString> savedDates = DatesOf(saved), newDates = DatesOf(series.Archive);
  const bool movedIn = !savedDates.contains(newDates);
  const bool movedOut = !newDates.contains(savedDates);

  auto writeArchive = [&](const QList<DayRec>& days) {
    return WriteWithBackups(clb, archivePath, ArchiveFileText(days, now));
  };
  if (movedIn || !movedOut) {
    QList<DayRec> first = series.Archive;
    if (movedOut) {
      for (const DayRec& day : saved)
        if (!newDates.contains(day.Date)) first.append(day);
      std::stable_sort(first.begin(), first.end(),
                       [](const DayRec& a, const DayRec& b) { return IsEarlierDate(b.Date, a.Date); });
    }
    if (!writeArchive(first)) {
      host.errorBox(u"市況ノート"_s,
                    u"保管ファイルを保存できなかったため、日付ファイルは保存されませんでした。"_s);
      return false;
    }
  }
  if (!WriteWithBackups(clb, dayPath, DayFileText(clb, series, now))) return false;
  return !movedOut || writeArchive(series.Archive);
}

bool SaveDays(CLB_C1& clb, const Table3& INI, const DaySeries& series) {
  Host& host = clb.host();
  if (!HasWriteRow(clb, INI, 2, u"日付ファイル"_s)) return false;
  const QString dayPath = DataFilePath(INI, 2, host.programFolder());
  // A folder without an archive stays without one until a day goes there.
  const QString archivePath = ArchiveFilePath(INI, host.programFolder());
  const QFileInfo archive(PlatformPath(archivePath));
  if (archivePath.isEmpty() || (series.Archive.isEmpty() && (!archive.exists() || archive.isDir())))
    return WriteWithBackups(clb, dayPath, DayFileText(clb, series, host.now()));
  return SaveDaysWithArchive(clb, dayPath, archivePath, series);
}

}  // namespace

bool SaveDataFiles(CLB_C1& clb, const Table3& INI, const DaySeries& series, const Table2& range) {
  const bool days = SaveDays(clb, INI, series);
  const bool ranges = HasWriteRow(clb, INI, 4, u"色範囲ファイル"_s) &&
                      WriteWithBackups(clb, DataFilePath(INI, 4, clb.host().programFolder()),
                                       ColorFileText(range, clb.host().now()));
  return days && ranges;
}

}  // namespace rdx508
