#include "app/files/save_data.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <vector>

#include "app/files/archive_file.h"
#include "app/files/backup_write.h"
#include "app/files/color_file.h"
#include "app/files/companion_files.h"
#include "app/files/day_file.h"
#include "app/files/notes_file.h"
#include "app/files/startup.h"
#include "calendar/date_text.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// One file to write, in the order of the save.
struct Step {
  QString what;  // 日付ファイル, 保管ファイル, ...
  QString path;
  QString text;
  bool unchanged = false;  // the file holds the text already, apart from its header's time
};

// The files of one save, or why it cannot be made.
struct Plan {
  std::vector<Step> steps;
  QStringList problems;  // each stops the whole save
  QStringList unnamed;   // files that have no path (a settings row is missing)
};

QString Shown(const QString& path) {
  return QDir::toNativeSeparators(QFileInfo(PlatformPath(path)).absoluteFilePath());
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

// Whether the settings have row `row`; otherwise says which file cannot be saved.
bool HasWriteRow(const Table3& INI, int32_t row, const QString& what, Plan& plan) {
  if (HasSettingsRow(INI, row)) return true;
  plan.problems << u"設定ファイルに INI(1, %1, x) がありません。%2は保存されませんでした。"_s.arg(row).arg(
      what);
  plan.unnamed << what;
  return false;
}

// The archive and the day file. The archive file keeps every day it holds unless the
// series holds that day now, so a day leaves both files only when the user deleted it (and
// an archive that was never read loses nothing). The order keeps every day in one of the
// two files whenever the save stops: days that moved into the archive are written there
// before the day file drops them, days that moved back into the series are written to the
// day file before the archive drops them; when days moved both ways, the archive first
// holds both its old and its new days.
void PlanDays(const Table3& INI, const QString& folder, const DaySeries& series, const QDateTime& now,
              Plan& plan) {
  if (!HasWriteRow(INI, 2, u"日付ファイル"_s, plan)) return;
  const Step day{u"日付ファイル"_s, DataFilePath(INI, 2, folder), DayFileText(series, now)};
  // A folder without an archive stays without one until a day goes there.
  const QString archivePath = ArchiveFilePath(INI, folder);
  const QFileInfo archiveFile(PlatformPath(archivePath));
  if (archivePath.isEmpty() || (series.Archive.isEmpty() && (!archiveFile.exists() || archiveFile.isDir()))) {
    plan.steps.push_back(day);
    return;
  }

  QList<DayRec> saved;
  const ArchiveReport read = ReadArchiveFile(archivePath, saved);
  if (read.unreadable || read.partial) {
    // What the file holds is not known in full: it is left alone (writing it would lose
    // what was not read), and so is the day file unless no day has to go to the archive.
    if (series.Archive.isEmpty()) {
      plan.steps.push_back(day);
    } else {
      plan.problems << read.text + u"日付ファイルと保管ファイルは保存されませんでした。"_s;
    }
    return;
  }
  QSet<QString> held = DatesOf(series.Archive);
  for (const DayRec& d : series.Days)
    if (!d.Date.isEmpty()) held.insert(d.Date);
  const QList<DayRec> archive = Merged(series.Archive, saved, held);
  const QSet<QString> savedDates = DatesOf(saved), archiveDates = DatesOf(archive);
  const bool movedIn = !savedDates.contains(archiveDates);
  const bool movedOut = !archiveDates.contains(savedDates);

  auto archiveStep = [&](const QList<DayRec>& days) {
    return Step{u"保管ファイル"_s, archivePath, ArchiveFileText(days, now)};
  };
  if (movedIn || !movedOut)
    plan.steps.push_back(archiveStep(movedOut ? Merged(archive, saved, archiveDates) : archive));
  plan.steps.push_back(day);
  if (movedOut) plan.steps.push_back(archiveStep(archive));
}

// The notes file, when there are notes or it exists already (a folder without notes stays
// as it is). A notes file that cannot be read whole is never written over: the notes it
// holds beyond what was read would be lost.
void PlanNotes(const Table3& INI, Host& host, const DaySeries& series, Plan& plan) {
  const QString folder = host.programFolder();
  const QString path = NotesFilePath(INI, folder);
  if (path.isEmpty()) return;
  const QFileInfo file(PlatformPath(path));
  if (series.DayNotes.isEmpty() && (!file.exists() || file.isDir())) return;
  if (file.exists() && !file.isDir()) {
    Notes held;
    const QString problem = ReadNotesFile(path, held);
    if (!problem.isEmpty()) {
      plan.problems << problem + u"メモを失わないよう、メモファイルは書き換えません。"_s;
      return;
    }
  }
  plan.steps.push_back({u"メモファイル"_s, path, NotesFileText(series.DayNotes, host.now())});
}

}  // namespace

SaveReport SaveDataFiles(CLB_C1& clb, const Table3& INI, const DaySeries& series, const Table2& range) {
  Host& host = clb.host();
  const QString folder = host.programFolder();
  Plan plan;
  PlanDays(INI, folder, series, host.now(), plan);
  PlanNotes(INI, host, series, plan);
  if (HasWriteRow(INI, 4, u"色範囲ファイル"_s, plan))
    plan.steps.push_back(
        {u"色範囲ファイル"_s, DataFilePath(INI, 4, folder), ColorFileText(range, host.now())});

  // Every file that changes must be able to take its new text before any is replaced; a
  // file that already holds it keeps its backups as they are.
  QSet<QString> checked;
  for (Step& step : plan.steps) {
    step.unchanged = HoldsApartFromHeader(step.path, step.text);
    if (step.unchanged || checked.contains(step.path)) continue;
    checked.insert(step.path);
    const QString problem = ReplaceProblem(step.path);
    if (!problem.isEmpty())
      plan.problems << u"%1 %2 に書き込めません（%3）。"_s.arg(step.what, Shown(step.path), problem);
  }

  SaveReport report;
  auto addOnce = [](QStringList& list, const QString& name) {
    if (!list.contains(name)) list << name;
  };
  if (!plan.problems.isEmpty()) {
    report.failed = plan.unnamed;
    for (const Step& step : plan.steps)
      addOnce(report.failed, Shown(step.path));
    report.message = plan.problems.join(u'\n') + u"\nどのファイルも書き換えませんでした。"_s;
    return report;
  }

  for (size_t k = 0; k < plan.steps.size(); ++k) {
    const Step& step = plan.steps[k];
    if (step.unchanged || WriteWithBackups(clb, step.path, step.text)) {
      addOnce(report.saved, Shown(step.path));
      continue;
    }
    // L_Write has named the failure; the files after this one are not written, so that no
    // day leaves the file that holds it.
    for (size_t rest = k; rest < plan.steps.size(); ++rest)
      addOnce(report.failed, Shown(plan.steps[rest].path));
    report.saved.removeIf([&](const QString& name) { return report.failed.contains(name); });
    QStringList lines;
    if (step.what == u"保管ファイル"_s && k + 1 < plan.steps.size())
      lines << u"保管ファイルを保存できなかったため、日付ファイルは保存されませんでした。"_s;
    else
      lines << u"%1 %2 を保存できませんでした。"_s.arg(step.what, Shown(step.path));
    if (!report.saved.isEmpty()) lines << u"保存したファイル: "_s + report.saved.join(u"、"_s);
    lines << u"保存していないファイル: "_s + report.failed.join(u"、"_s);
    report.message = lines.join(u'\n');
    return report;
  }
  return report;
}

}  // namespace rdx508
