#include "app/files/save_data.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "app/files/archive_file.h"
#include "app/files/backup_write.h"
#include "app/files/color_file.h"
#include "app/files/companion_files.h"
#include "app/files/day_file.h"
#include "app/files/notes_file.h"
#include "app/files/startup.h"
#include "calendar/date_text.h"
#include "toolkit/program_title.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// Whether the settings have row `row`; otherwise says which file is not saved.
bool HasWriteRow(CLB_C1& clb, const Table3& INI, int32_t row, const QString& what) {
  if (HasSettingsRow(INI, row)) return true;
  clb.host().errorBox(
      ProgramTitle(),
      u"設定ファイルに INI(1, %1, x) がありません。%2は保存されませんでした。"_s.arg(row).arg(what));
  return false;
}

QSet<QString> DatesOf(const QList<DayRec>& days) {
  QSet<QString> dates;
  for (const DayRec& day : days)
    dates.insert(day.Date);
  return dates;
}

// `days` with the days of `extra` whose dates `skip` does not hold, newest first.
QList<DayRec> Merged(QList<DayRec> days, const QList<DayRec>& extra, const QSet<QString>& skip) {
  const qsizetype before = days.size();
  for (const DayRec& day : extra)
    if (!skip.contains(day.Date)) days.append(day);
  if (days.size() != before) {
    std::stable_sort(days.begin(), days.end(),
                     [](const DayRec& a, const DayRec& b) { return IsEarlierDate(b.Date, a.Date); });
  }
  return days;
}

// Writes the archive and the day file. The archive file keeps every day it holds unless
// the series holds that day now, so a day leaves both files only when the user deleted it
// (and an archive that was never read loses nothing). The order keeps every day in one of
// the two files whenever the save stops: days that moved into the archive are written
// there before the day file drops them, days that moved back into the series are written
// to the day file before the archive drops them; when days moved both ways, the archive
// first holds both its old and its new days.
bool SaveDaysWithArchive(CLB_C1& clb, const QString& dayPath, const QString& archivePath,
                         const DaySeries& series) {
  Host& host = clb.host();
  const QDateTime now = host.now();

  QList<DayRec> saved;
  const ArchiveReport read = ReadArchiveFile(archivePath, saved);
  if (read.unreadable) {
    // What the file holds is unknown: it is left alone, and so is the day file unless no
    // day has to go to the archive.
    if (series.Archive.isEmpty()) return WriteWithBackups(clb, dayPath, DayFileText(series, now));
    host.errorBox(ProgramTitle(), read.text + u"日付ファイルと保管ファイルは保存されませんでした。"_s);
    return false;
  }
  QSet<QString> held = DatesOf(series.Archive);
  for (const DayRec& day : series.Days)
    if (!day.Date.isEmpty()) held.insert(day.Date);
  const QList<DayRec> archive = Merged(series.Archive, saved, held);
  const QSet<QString> savedDates = DatesOf(saved), archiveDates = DatesOf(archive);
  const bool movedIn = !savedDates.contains(archiveDates);
  const bool movedOut = !archiveDates.contains(savedDates);

  auto writeArchive = [&](const QList<DayRec>& days) {
    return WriteWithBackups(clb, archivePath, ArchiveFileText(days, now));
  };
  if (movedIn || !movedOut) {
    if (!writeArchive(movedOut ? Merged(archive, saved, archiveDates) : archive)) {
      host.errorBox(ProgramTitle(),
                    u"保管ファイルを保存できなかったため、日付ファイルは保存されませんでした。"_s);
      return false;
    }
  }
  if (!WriteWithBackups(clb, dayPath, DayFileText(series, now))) return false;
  return !movedOut || writeArchive(archive);
}

bool SaveDays(CLB_C1& clb, const Table3& INI, const DaySeries& series) {
  Host& host = clb.host();
  if (!HasWriteRow(clb, INI, 2, u"日付ファイル"_s)) return false;
  const QString dayPath = DataFilePath(INI, 2, host.programFolder());
  // A folder without an archive stays without one until a day goes there.
  const QString archivePath = ArchiveFilePath(INI, host.programFolder());
  const QFileInfo archive(PlatformPath(archivePath));
  if (archivePath.isEmpty() || (series.Archive.isEmpty() && (!archive.exists() || archive.isDir())))
    return WriteWithBackups(clb, dayPath, DayFileText(series, host.now()));
  return SaveDaysWithArchive(clb, dayPath, archivePath, series);
}

// Writes the notes file when there are notes or it exists already (a folder without notes
// stays as it is).
bool SaveNotes(CLB_C1& clb, const Table3& INI, const DaySeries& series) {
  const QString path = NotesFilePath(INI, clb.host().programFolder());
  if (path.isEmpty()) return true;
  const QFileInfo file(PlatformPath(path));
  if (series.DayNotes.isEmpty() && (!file.exists() || file.isDir())) return true;
  return WriteWithBackups(clb, path, NotesFileText(series.DayNotes, clb.host().now()));
}

}  // namespace

bool SaveDataFiles(CLB_C1& clb, const Table3& INI, const DaySeries& series, const Table2& range) {
  const bool days = SaveDays(clb, INI, series) && SaveNotes(clb, INI, series);
  const bool ranges = HasWriteRow(clb, INI, 4, u"色範囲ファイル"_s) &&
                      WriteWithBackups(clb, DataFilePath(INI, 4, clb.host().programFolder()),
                                       ColorFileText(range, clb.host().now()));
  return days && ranges;
}

}  // namespace rdx508
