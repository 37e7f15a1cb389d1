#pragma once
// Internal to ui/qt/. The import preview: what the file would add, what is stored already, which stored days
// the file gives other values, and which lines cannot be read, with the three choices.

#include <QDialog>

#include "app/csv/import_preview.h"

class QPlainTextEdit;
class QPushButton;

namespace rdx508 {

class ImportDialog : public QDialog {
  Q_OBJECT
 public:
  // The dialog's results: exec() returns one of these.
  enum Choice { kCancel = 0, kNewOnly = 1, kOverwrite = 2 };

  ImportDialog(const ImportPreview& preview, QWidget* parent = nullptr);

  QPushButton* newOnlyButton() const { return newOnly_; }
  QPushButton* overwriteButton() const { return overwrite_; }
  QPushButton* cancelButton() const { return cancel_; }
  QString detailsText() const;  // the conflicts and rejected lines as listed, "" when none

 private:
  QPushButton* newOnly_;
  QPushButton* overwrite_;
  QPushButton* cancel_;
  QPlainTextEdit* details_;
};

}  // namespace rdx508
