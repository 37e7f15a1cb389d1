#include "app/files/backup_write.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "toolkit/text_file.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

namespace fs = std::filesystem;

std::function<bool()>& StepHook() {
  static std::function<bool()> hook;
  return hook;
}

// Whether the next step that changes the folder may go ahead.
bool StepAllowed() {
  const std::function<bool()>& hook = StepHook();
  return !hook || hook();
}

fs::path FsPath(const QString& name) {
  return fs::path(QFile::encodeName(name).toStdString());
}

FileFailure FailureOf(const std::error_code& error) {
  return {error.value(), QString::fromLocal8Bit(error.message())};
}

FileFailure RefusedStep() {
  return FailureOf(std::make_error_code(std::errc::io_error));
}

// Whether something is at `name` (a broken link counts), and whether it is a file or a link.
bool Present(const QString& name) {
  std::error_code error;
  return fs::exists(fs::symlink_status(FsPath(name), error));
}

bool FileOrLink(const QString& name) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(FsPath(name), error);
  return fs::is_regular_file(status) || fs::is_symlink(status);
}

// Removes what a save that was cut off may have left at `name`; never a folder.
void RemoveLeftover(const QString& name) {
  std::error_code error;
  if (FileOrLink(name)) fs::remove(FsPath(name), error);
}

std::optional<FileFailure> Rename(const QString& from, const QString& to) {
  if (!StepAllowed()) return RefusedStep();
  std::error_code error;
  fs::rename(FsPath(from), FsPath(to), error);
  if (error) return FailureOf(error);
  return std::nullopt;
}

// Puts the content of `file` under the name `copy` as well: a second link to the same
// content where the folder allows it, otherwise a copy that is complete on disk.
std::optional<FileFailure> KeepCopy(const QString& file, const QString& copy) {
  if (!StepAllowed()) return RefusedStep();
  RemoveLeftover(copy);
  std::error_code error;
  fs::create_hard_link(FsPath(file), FsPath(copy), error);
  if (!error) return std::nullopt;

  FileFailure failure;
  const std::optional<QByteArray> bytes = ReadFileBytes(file, &failure);
  if (!bytes) return failure;
  QSaveFile out(copy);
  errno = 0;
  if (!out.open(QIODevice::WriteOnly) || out.write(*bytes) != bytes->size() || !out.commit()) {
    failure = {errno != 0 ? errno : static_cast<int>(out.error()), out.errorString()};
    out.cancelWriting();
    return failure;
  }
  return std::nullopt;
}

// Makes the renames in the folder of `file` last through a power cut.
void SyncFolderOf(const QString& file) {
#ifdef Q_OS_UNIX
  const int folder =
      ::open(QFile::encodeName(QFileInfo(file).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
  if (folder < 0) return;
  ::fsync(folder);
  ::close(folder);
#else
  Q_UNUSED(file);
#endif
}

// The error box of L_Write for a step of the save that failed on `culprit`.
void Report(CLB_C1& clb, const FileFailure& failure, const QString& culprit, const QString& file) {
  clb.host().errorBox(u"CLB_C1(関数 L_Write)"_s,
                      u"Error("_s + QString::number(failure.number) + u")"_s + failure.description + u" ("_s +
                          QFileInfo(culprit).fileName() + u")\n保存できませんでした。"_s +
                          QFileInfo(file).fileName() + u" とそのバックアップは保存前のままです。"_s);
}

}  // namespace

QString BackupPath(const QString& path, int n) {
  return path + u".bak"_s + QString::number(n);
}

void SetFolderStepHookForTests(std::function<bool()> hook) {
  StepHook() = std::move(hook);
}

bool WriteWithBackups(CLB_C1& clb, const QString& path, const QString& text) {
  const QFileInfo info(PlatformPath(path));
  if (path.isEmpty() || !info.isFile()) {
    // Nothing to keep: a new file, or a path that the writer refuses and reports itself.
    if (!StepAllowed()) {
      Report(clb, RefusedStep(), info.filePath(), info.filePath());
      return false;
    }
    if (clb.L_Write(path, text) != 1) return false;
    SyncFolderOf(info.filePath());  // the new file's name is on disk as well
    return true;
  }

  // A link is followed, so that the backups lie beside the file they keep.
  const QString file = info.canonicalFilePath();
  const QString fresh = file + u".new"_s;
  const QString kept = file + u".bak.new"_s;
  auto fail = [&](const FileFailure& failure, const QString& culprit) {
    RemoveLeftover(kept);
    RemoveLeftover(fresh);
    Report(clb, failure, culprit, file);
    return false;
  };

  // The new text first, complete on disk: a full disk or a read-only folder stops the save
  // here, before anything that exists is touched.
  if (!StepAllowed()) return fail(RefusedStep(), fresh);
  if (clb.L_Write(fresh, text) != 1) {
    RemoveLeftover(fresh);
    return false;
  }

  // Every place a backup moves to must take a file: a folder there would stop the shift
  // half-way.
  for (int n = 1; n <= kBackupCount + 1; ++n) {
    const QString slot = BackupPath(file, n);
    if (Present(slot) && !FileOrLink(slot))
      return fail({EISDIR, QString::fromLocal8Bit(std::strerror(EISDIR))}, slot);
  }

  if (const std::optional<FileFailure> failure = KeepCopy(file, kept)) return fail(*failure, kept);

  // The shift, oldest first; each rename is undone in reverse order when a later one fails.
  std::vector<std::pair<QString, QString>> done;
  auto move = [&](const QString& from, const QString& to) {
    const std::optional<FileFailure> failure = Rename(from, to);
    if (!failure) {
      done.emplace_back(from, to);
      return true;
    }
    for (auto step = done.rbegin(); step != done.rend(); ++step) {
      std::error_code ignored;
      fs::rename(FsPath(step->second), FsPath(step->first), ignored);
    }
    fail(*failure, to);
    return false;
  };
  for (int n = kBackupCount; n >= 1; --n) {
    const QString from = BackupPath(file, n);
    if (Present(from) && !move(from, BackupPath(file, n + 1))) return false;
  }
  if (!move(kept, BackupPath(file, 1))) return false;
  if (!move(fresh, file)) return false;

  // The backup beyond five goes last, once the new file is in place.
  if (StepAllowed()) RemoveLeftover(BackupPath(file, kBackupCount + 1));
  SyncFolderOf(file);
  return true;
}

}  // namespace rdx508
