// Importing days into the window's series.

#include "ui/rdx_f508.h"

namespace rdx508 {

ImportResult RDX_F508::ImportDays(const std::vector<ImportedDay>& days, ImportMode mode) {
  const ImportResult result = ApplyImport(series_, days, mode);
  if (result.changed()) ScrollToPosition(gridOffset_ + 1);  // held within the new scroll limits
  return result;
}

}  // namespace rdx508
