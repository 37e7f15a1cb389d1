#pragma once
// Internal to ui/qt/. Import and export in the window, for the menu and for a file dropped on the window:
// independent of the main window's view, so that any caller can offer them. After a
// successful import the caller mirrors its view (the model has redrawn its controls).

#include <QString>
#include <cstddef>
#include <functional>

#include "toolkit/host.h"
#include "ui/qt/import_dialog.h"
#include "ui/rdx_f508.h"

class QWidget;

namespace rdx508 {

// Runs the import preview and returns its choice; the default shows it modally. Tests
// answer without blocking.
using ImportDialogRunner = std::function<int(ImportDialog&)>;

// Reads the CSV file, shows the preview and, on 新しい日だけ取り込む or 異なる値も上書きする,
// merges the days into the model. A file that cannot be read gets an error box. Returns
// whether the model's days changed.
bool RunImport(QWidget* parent, RDX_F508& model, Host& host, const QString& file,
               const ImportDialogRunner& run = {});

// Asks for a file name (UTF-8 or CP932 chosen by the file type) and exports every day.
// Returns whether a file was written; a failure gets an error box, a success a box that
// says how many days went where (ExportDoneMessage).
bool RunExport(QWidget* parent, const RDX_F508& model, Host& host);
QString ExportDoneMessage(size_t days, const QString& path);

}  // namespace rdx508
