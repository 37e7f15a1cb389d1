#include "ui/qt/import_export.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

#include "app/csv/csv_export.h"
#include "app/csv/csv_import.h"
#include "app/csv/import_preview.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

const QString kTitle = u"市況ノート"_s;

// A wait cursor for work that may outlast a blink.
class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

bool RunImport(QWidget* parent, RDX_F508& model, Host& host, const QString& file,
               const ImportDialogRunner& run) {
  std::optional<ImportPreview> preview;
  {
    BusyCursor busy;
    CsvImport read = ReadCsvImport(file, QFileInfo(file).fileName());
    if (read.failure.isEmpty())
      preview = PreviewImport(model.series(), std::move(read));
    else
      preview = ImportPreview{std::move(read), {}};
  }
  if (!preview->import.failure.isEmpty()) {
    host.errorBox(kTitle, preview->import.failure);
    return false;
  }

  ImportDialog dialog(*preview, parent);
  const int choice = run ? run(dialog) : dialog.exec();
  if (choice != ImportDialog::kNewOnly && choice != ImportDialog::kOverwrite) return false;
  BusyCursor busy;
  const ImportMode mode = choice == ImportDialog::kOverwrite ? ImportMode::Overwrite : ImportMode::NewOnly;
  return model.ImportDays(preview->import.days, mode).changed();
}

bool RunExport(QWidget* parent, const RDX_F508& model, Host& host) {
  const QString utf8 = u"CSV UTF-8 (*.csv)"_s;
  const QString cp932 = u"CSV Shift_JIS / CP932 (*.csv)"_s;
  QString filter = utf8;
  const QString suggested =
      QDir::home().filePath(u"市況ノート_"_s + host.now().date().toString(u"yyyyMMdd"_s) + u".csv"_s);
  QString path = QFileDialog::getSaveFileName(parent, u"書出"_s, suggested, utf8 + u";;"_s + cp932, &filter);
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += u".csv"_s;

  QString why;
  size_t days = 0;
  bool written = false;
  {
    BusyCursor busy;
    written = ExportCsvFile(model.series(), path, filter == cp932 ? CsvEncoding::Cp932 : CsvEncoding::Utf8,
                            &why, &days);
  }
  if (!written) {
    host.errorBox(kTitle, QFileInfo(path).fileName() + u": "_s + why);
    return false;
  }
  QMessageBox done(QMessageBox::Information, kTitle, ExportDoneMessage(days, path), QMessageBox::Ok, parent);
  done.exec();
  return true;
}

QString ExportDoneMessage(size_t days, const QString& path) {
  return u"%1 日を書き出しました。\n%2"_s.arg(days).arg(QDir::toNativeSeparators(path));
}

}  // namespace rdx508
