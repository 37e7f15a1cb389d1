// Importing days into the window's series, as one step that undo takes back whole.

#include "ui/rdx_f508.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

ImportResult RDX_F508::ImportDays(const std::vector<ImportedDay>& days, ImportMode mode) {
  LoadArchiveOnce();
  EditState before = CaptureState();
  const ImportResult result = ApplyImport(series_, days, mode);
  if (!result.changed()) return result;
  QString what = u"取込（追加 %1、上書き %2"_s.arg(result.added).arg(result.overwritten);
  if (result.filled > 0) what += u"、0 を埋めた日 %1"_s.arg(result.filled);
  if (result.notesAdded > 0) what += u"、メモ追加 %1"_s.arg(result.notesAdded);
  history_.Record(std::move(before), {what + u'）', {}});
  ScrollToPosition(gridOffset_ + 1);  // held within the new scroll limits
  return result;
}

}  // namespace rdx508
