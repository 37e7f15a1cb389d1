#include "app/notebook.h"

#include "app/files/archive_file.h"
#include "app/files/color_file.h"
#include "app/files/companion_files.h"
#include "app/files/data_lock.h"
#include "app/files/day_file.h"
#include "app/files/holiday_setup.h"
#include "app/files/notes_file.h"
#include "app/files/program_files.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

const QString kSettingsName = u"RDX508_INIT.TXT"_s;

std::optional<NotebookProblem> ProblemIf(const QString& text, const QString& file) {
  if (text.isEmpty()) return std::nullopt;
  return NotebookProblem{file, text};
}

}  // namespace

Notebook::Notebook(CLB_C1& clb)
    : clb_(clb), owned_(std::make_unique<StartupTables>()), tables_(owned_.get()) {}

Notebook::Notebook(CLB_C1& clb, const StartupTables& tables) : clb_(clb), tables_(&tables) {}

Notebook::~Notebook() = default;

QString Notebook::folder() const {
  return clb_.host().programFolder();
}

std::optional<NotebookProblem> Notebook::Open() {
  if (!owned_) owned_ = std::make_unique<StartupTables>();
  *owned_ = StartupTables();
  tables_ = owned_.get();
  const QString message = ReadStartupFiles(clb_, *owned_);
  if (message.isEmpty()) return std::nullopt;
  QString file = folder() + u'/' + kSettingsName;
  if (message.contains(u"(1, 1, x)"_s))
    file = DataFilePath(owned_->INI, 1, folder());
  else if (message.contains(u"(1, 3, x)"_s))
    file = DataFilePath(owned_->INI, 3, folder());
  return NotebookProblem{file, message};
}

QList<NotebookProblem> Notebook::Load(DaySeries& series, Table2& range) {
  QList<NotebookProblem> problems;
  const Table3& INI = tables_->INI;
  // The calendar first: the days' weekdays and the next business day depend on it.
  if (auto p = ProblemIf(LoadHolidayList(clb_, INI), DataFilePath(INI, kHolidayListRow, folder())))
    problems.append(*p);
  LoadDays(clb_, tables_->DayTbl, series);
  if (auto p = ProblemIf(LoadNotes(clb_, INI, series.DayNotes), NotesFilePath(INI, folder())))
    problems.append(*p);
  range.redim({2, 6});
  LoadRanges(tables_->ColorTbl, range);
  series.ComputeIndicators();
  return problems;
}

std::optional<NotebookProblem> Notebook::LoadArchive(DaySeries& series) {
  QString report = rdx508::LoadArchive(clb_, tables_->INI, series.Archive, &archiveWhole_);
  const QString twice = DropDaysInSeries(series, series.Archive);
  if (!twice.isEmpty()) report += (report.isEmpty() ? QString() : u"\n"_s) + twice;
  return ProblemIf(report, ArchiveFilePath(tables_->INI, folder()));
}

void Notebook::ReleaseDataTables() {
  if (!owned_) return;
  owned_->DayTbl = Table3();
  owned_->ColorTbl = Table3();
}

Notebook::LockResult Notebook::TakeLock() {
  if (!lock_) lock_ = std::make_unique<DataLock>(LockedDayFile(tables_->INI, folder()));
  if (lock_->tryLock()) return LockResult::Held;
  return lock_->heldElsewhere() ? LockResult::HeldElsewhere : LockResult::NoLock;
}

QString Notebook::LockFilePath() const {
  return lock_ ? lock_->lockFilePath() : DataLock(LockedDayFile(tables_->INI, folder())).lockFilePath();
}

SaveReport Notebook::Save(const DaySeries& series, const Table2& range) {
  return SaveDataFiles(clb_, tables_->INI, series, range);
}

bool Notebook::Holds(const QString& path) const {
  return IsProgramFile(tables_->INI, folder(), path);
}

}  // namespace rdx508
