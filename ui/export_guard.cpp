// RDX_F508::ExportProblem: what keeps the window's export from writing a file.

#include <QFileInfo>

#include "app/files/program_files.h"
#include "ui/rdx_f508.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

QString RDX_F508::ExportProblem(const QString& path) const {
  if (notebook_.Holds(path)) return ProgramFileExportMessage(QFileInfo(path).fileName());
  if (!notebook_.ArchiveWhole())
    return QFileInfo(path).fileName() + u": 保管ファイルに読めない日があるため、何も書き出しませんでした"_s;
  return {};
}

}  // namespace rdx508
