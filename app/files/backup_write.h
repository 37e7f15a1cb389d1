#pragma once
// Internal to app/. Replacing a data file while keeping the last five versions of it as backups.

#include <QString>
#include <functional>

#include "toolkit/clb_c1.h"

namespace rdx508 {

inline constexpr int kBackupCount = 5;

// The name of backup `n` (1 = the newest) of the file at `path`: "<path>.bak<n>".
QString BackupPath(const QString& path, int n);

// Why the file at `path` cannot be replaced with its backups kept, or "" when it can: no
// file name, a folder at the path or in the place of a backup, a missing folder or one that
// takes no new file, or a file that is read-only. A file is read-only when the user may not
// write it or when none of its write bits is set, so a file made read-only stays so for
// root too.
QString ReplaceProblem(const QString& path);

// Whether the file at `path` holds `text` (as L_Write would write it) apart from its first
// line, the header with the time of its save.
bool HoldsApartFromHeader(const QString& path, const QString& text);

// Replaces the file at `path` with `text` (code page 932, as L_Write writes it). A file
// that exists already is kept as <path>.bak1 and its older backups move up to .bak5; the
// one beyond five is removed. The new file takes the old one's permissions and, where the
// system allows, its owner; a file that ReplaceProblem refuses is left alone. The new text is
// complete on disk before anything is renamed, and the file is replaced in one rename, so the
// file and every backup stay readable whenever the process stops; the folder is synced after
// the renames, so that the new names last through a power cut. Returns whether the file now
// holds the text. On failure the file and its backups are as they were, and the error box of
// L_Write has been shown.
bool WriteWithBackups(CLB_C1& clb, const QString& path, const QString& text);

// For tests: `hook` is asked before every step that changes the folder (writing the new
// text, making the backup, each rename, the removal of the oldest backup); when it returns
// false that step fails as though the system had refused it. An empty hook removes it.
void SetFolderStepHookForTests(std::function<bool()> hook);

}  // namespace rdx508
