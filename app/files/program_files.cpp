#include "app/files/program_files.h"

#include <QFileInfo>

#include "app/files/companion_files.h"
#include "app/files/startup.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

bool IsProgramFile(const Table3& INI, const QString& folder, const QString& path) {
  const auto same = [&path](const QString& other) {
    const QFileInfo a(PlatformPath(path)), b(PlatformPath(other));
    return a.absoluteFilePath() == b.absoluteFilePath() ||
           (a.exists() && b.exists() && a.canonicalFilePath() == b.canonicalFilePath());
  };
  if (same(folder + u"/RDX508_INIT.TXT"_s) || same(ArchiveFilePath(INI, folder)) ||
      same(NotesFilePath(INI, folder)))
    return true;
  for (int32_t row = 1; HasSettingsRow(INI, row); ++row)
    if (same(DataFilePath(INI, row, folder))) return true;
  return false;
}

QString ProgramFileExportMessage(const QString& path) {
  return path + u": 市況ノートのデータファイルです。書き出しには別のファイル名を指定してください"_s;
}

}  // namespace rdx508
