#pragma once
// Internal to ui/qt/. The import preview: what the file would add, what is stored already, which stored days
// the file gives other values, which new days look like typos, and which lines cannot be read, with the three
// choices. For a file of one close column it asks which index the column holds.

#include <QDialog>
#include <functional>

#include "app/csv/import_preview.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace rdx508 {

class ImportDialog : public QDialog {
  Q_OBJECT
 public:
  // The dialog's results: exec() returns one of these.
  enum Choice { kCancel = 0, kNewOnly = 1, kOverwrite = 2 };

  // The preview of a file whose lone close column is given to an index, for the choice.
  using Replan = std::function<ImportPreview(CloseIndex)>;

  // `replan` and `guess` serve a file of one close column (preview.import.loneClose): the
  // choice starts at the guess, or at none, and the import waits for one.
  ImportDialog(const ImportPreview& preview, QWidget* parent = nullptr, const Replan& replan = {},
               std::optional<CloseIndex> guess = std::nullopt);

  QPushButton* newOnlyButton() const { return newOnly_; }
  QPushButton* overwriteButton() const { return overwrite_; }
  QPushButton* cancelButton() const { return cancel_; }
  QRadioButton* closeButton(CloseIndex index) const { return index == CloseIndex::Topix ? topix_ : nikkei_; }
  QString detailsText() const;  // the lists shown below the counts, "" when none
  QString countsText() const;
  const ImportPreview& preview() const { return preview_; }  // as chosen

 private:
  void Show(const ImportPreview& preview);

  ImportPreview preview_;
  bool awaitingIndex_ = false;
  QLabel* source_;
  QLabel* counts_;
  QLabel* notes_;
  QRadioButton* topix_ = nullptr;
  QRadioButton* nikkei_ = nullptr;
  QPushButton* newOnly_;
  QPushButton* overwrite_;
  QPushButton* cancel_;
  QPlainTextEdit* details_;
};

}  // namespace rdx508
