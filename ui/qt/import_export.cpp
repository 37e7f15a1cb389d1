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
#include "app/series/import_merge.h"
#include "toolkit/program_title.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

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
      preview = ImportPreview{std::move(read), {}, {}, {}};
  }
  if (!preview->import.failure.isEmpty()) {
    host.errorBox(ProgramTitle(), preview->import.failure);
    return false;
  }

  // A file of one close column: the preview asks which index, its guess preselected.
  std::optional<CloseIndex> guess;
  ImportDialog::Replan replan;
  if (preview->import.loneClose) {
    guess = GuessCloseIndex(model.series(), preview->import.days);
    replan = [&model, read = preview->import](CloseIndex index) {
      CsvImport assigned = read;
      AssignLoneClose(assigned, index);
      return PreviewImport(model.series(), std::move(assigned));
    };
  }
  ImportDialog dialog(*preview, parent, replan, guess);
  const int choice = run ? run(dialog) : dialog.exec();
  if (choice != ImportDialog::kNewOnly && choice != ImportDialog::kOverwrite) return false;
  const ImportPreview& chosen = dialog.preview();
  if (chosen.import.loneClose && !chosen.import.closeIndex) return false;
  BusyCursor busy;
  const ImportMode mode = choice == ImportDialog::kOverwrite ? ImportMode::Overwrite : ImportMode::NewOnly;
  return model.ImportDays(chosen.import.days, mode).changed();
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

  if (const QString problem = model.ExportProblem(path); !problem.isEmpty()) {
    host.errorBox(ProgramTitle(), problem);
    return false;
  }
  QString why;
  size_t days = 0;
  bool written = false;
  {
    BusyCursor busy;
    written = ExportCsvFile(model.series(), path, filter == cp932 ? CsvEncoding::Cp932 : CsvEncoding::Utf8,
                            &why, &days);
  }
  if (!written) {
    host.errorBox(ProgramTitle(), QFileInfo(path).fileName() + u": "_s + why);
    return false;
  }
  QMessageBox done(QMessageBox::Information, ProgramTitle(), ExportDoneMessage(days, path), QMessageBox::Ok,
                   parent);
  done.exec();
  return true;
}

QString ExportDoneMessage(size_t days, const QString& path) {
  return u"%1 日を書き出しました。\n%2"_s.arg(days).arg(QDir::toNativeSeparators(path));
}

}  // namespace rdx508
