#include "app/files/backup_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "toolkit/cp932.h"
#include "toolkit/text_file.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
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

// Gives `copy` the permissions of `file` and, where the system allows, its owner and group.
// Fails only when the permissions could not be set: a copy must never be readable by more
// users than the file it replaces.
std::optional<FileFailure> TakePermissions(const QString& file, const QString& copy) {
#ifdef Q_OS_UNIX
  struct stat original {};
  const QByteArray from = QFile::encodeName(file), to = QFile::encodeName(copy);
  if (::stat(from.constData(), &original) != 0)
    return FailureOf(std::error_code(errno, std::generic_category()));
  struct stat now {};
  if (::stat(to.constData(), &now) == 0 && (now.st_uid != original.st_uid || now.st_gid != original.st_gid)) {
    // Another user's file keeps its owner when root saves it; an ordinary user keeps at
    // least the group where he belongs to it.
    if (::chown(to.constData(), original.st_uid, original.st_gid) != 0 &&
        ::chown(to.constData(), static_cast<uid_t>(-1), original.st_gid) != 0) {
    }
  }
  if (::chmod(to.constData(), original.st_mode & 07777) != 0)
    return FailureOf(std::error_code(errno, std::generic_category()));
#else
  if (!QFile::setPermissions(copy, QFile::permissions(file))) return RefusedStep();
#endif
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
  return TakePermissions(file, copy);
}

// Whether the existing file `file` is not to be replaced: the user may not write it, or it
// has no write bit at all (which root's access would ignore).
bool ReadOnly(const QString& file) {
#ifdef Q_OS_UNIX
  struct stat status {};
  const QByteArray encoded = QFile::encodeName(file);
  return ::stat(encoded.constData(), &status) != 0 || (status.st_mode & 0222) == 0 ||
         ::access(encoded.constData(), W_OK) != 0;
#else
  return !QFileInfo(file).isWritable();
#endif
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

QString ReplaceProblem(const QString& path) {
  const QString name = PlatformPath(path);
  if (name.isEmpty()) return u"ファイル名がありません"_s;
  const QFileInfo info(name);
  if (info.isDir()) return u"%1 はフォルダです"_s.arg(QDir::toNativeSeparators(info.absoluteFilePath()));
  const bool exists = info.isFile();
  const QString file = exists ? info.canonicalFilePath() : info.absoluteFilePath();
  const QString folder = QFileInfo(file).absolutePath();
  if (!QFileInfo(folder).isDir()) return u"フォルダ %1 がありません"_s.arg(QDir::toNativeSeparators(folder));
#ifdef Q_OS_UNIX
  if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
    return u"フォルダ %1 に書き込めません"_s.arg(QDir::toNativeSeparators(folder));
#endif
  if (!exists) return {};
  if (ReadOnly(file)) return u"%1 は読み取り専用です"_s.arg(QDir::toNativeSeparators(file));
  for (int n = 1; n <= kBackupCount + 1; ++n) {
    const QString slot = BackupPath(file, n);
    if (Present(slot) && !FileOrLink(slot))
      return u"バックアップの場所 %1 がフォルダです"_s.arg(QDir::toNativeSeparators(slot));
  }
  return {};
}

bool HoldsApartFromHeader(const QString& path, const QString& text) {
  const std::optional<QByteArray> held = ReadFileBytes(PlatformPath(path));
  const std::optional<QByteArray> wanted = cp932::Encode(text);
  if (!held || !wanted) return false;
  const qsizetype heldEnd = held->indexOf('\n'), wantedEnd = wanted->indexOf('\n');
  if (heldEnd < 0 || wantedEnd < 0) return false;
  return QByteArrayView(*held).sliced(heldEnd) == QByteArrayView(*wanted).sliced(wantedEnd);
}

bool WriteWithBackups(CLB_C1& clb, const QString& path, const QString& text) {
  const QFileInfo info(PlatformPath(path));
  if (info.isFile() && ReadOnly(info.canonicalFilePath())) {
    Report(clb, {EACCES, u"読み取り専用です"_s}, info.filePath(), info.filePath());
    return false;
  }
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
  if (const std::optional<FileFailure> failure = TakePermissions(file, fresh)) return fail(*failure, fresh);

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
