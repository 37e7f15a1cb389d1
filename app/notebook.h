#pragma once
// A notebook: one folder's data as every door (the window, the command line) opens and saves
// it — the settings file and the files its rows name (the day file, the colour ranges, the
// archive, the notes, the holiday list) — and the lock that keeps a second program off the
// same files. Failures come back as values; the caller decides whether a problem becomes a
// box, a line on standard error or a test's expectation.

#include <QList>
#include <QString>
#include <memory>
#include <optional>

#include "app/files/save_data.h"
#include "app/files/startup.h"
#include "app/series/day_series.h"
#include "toolkit/clb_c1.h"
#include "toolkit/value.h"

namespace rdx508 {

class DataLock;

// One failure: the file it concerns and what went wrong, in the words a box shows.
struct NotebookProblem {
  QString file;
  QString text;
};

class Notebook {
 public:
  // The notebook of clb.host().programFolder(); Open() reads its files.
  explicit Notebook(CLB_C1& clb);
  // A notebook over the settings and data files that the program's start has read already.
  Notebook(CLB_C1& clb, const StartupTables& tables);
  ~Notebook();
  Notebook(const Notebook&) = delete;
  Notebook& operator=(const Notebook&) = delete;

  // Reads the settings file and both data files. Nothing when all three were read; otherwise
  // the start-up notice's message ("INIなし", "INI(1, 1, x)なし", "INI(1, 3, x)なし") and the
  // file that could not be read.
  std::optional<NotebookProblem> Open();
  const StartupTables& tables() const { return *tables_; }
  // The folder the settings rows resolve against.
  QString folder() const;

  // Loads the holiday list into the calendar, the days with their notes and the colour
  // ranges, and computes the indicators. What reads is used; each file that did not read
  // whole (the holiday list, the notes) is one problem.
  QList<NotebookProblem> Load(DaySeries& series, Table2& range);
  // Reads the archive into series.Archive, leaving out days the series holds and keeping one
  // of a date the files hold twice (which is reported).
  std::optional<NotebookProblem> LoadArchive(DaySeries& series);
  // Whether the archive, once loaded, was read to its last day (an export must hold them all).
  bool ArchiveWhole() const { return archiveWhole_; }
  // Frees the day and colour tables once their days and limits have been loaded (an owned
  // notebook only; the start's tables belong to the start).
  void ReleaseDataTables();

  // One program per notebook: the lock file beside the day file that is written.
  enum class LockResult { Held, HeldElsewhere, NoLock };
  LockResult TakeLock();
  // The lock file ("" when the settings name no day file).
  QString LockFilePath() const;

  // Saves the day file with the archive, the notes and the colour ranges, each with its
  // backups, in the order that keeps every saved day in a file whenever the save stops;
  // nothing is written unless every file can be. The report says what was saved and what not.
  SaveReport Save(const DaySeries& series, const Table2& range);

  // Whether `path` is the settings file or a file the notebook keeps: an export must never
  // replace one.
  bool Holds(const QString& path) const;

 private:
  CLB_C1& clb_;
  std::unique_ptr<StartupTables> owned_;
  const StartupTables* tables_;
  std::unique_ptr<DataLock> lock_;
  bool archiveWhole_ = true;
};

}  // namespace rdx508
