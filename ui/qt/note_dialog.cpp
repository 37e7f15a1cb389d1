#include "ui/qt/note_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/files/notes_file.h"

namespace rdx508 {

NoteDialog::NoteDialog(const QString& date, const QString& note, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("メモ — ") + date);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("%1 のメモ（空にすると消えます）").arg(date), this));
  edit_ = new QLineEdit(note, this);
  edit_->setMinimumWidth(420);
  layout->addWidget(edit_);
  problem_ = new QLabel(this);
  problem_->setStyleSheet(QStringLiteral("color: #c00000"));
  problem_->setWordWrap(true);
  layout->addWidget(problem_);
  auto* buttons = new QDialogButtonBox(this);
  keep_ = buttons->addButton(QStringLiteral("保存する"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
  keep_->setDefault(true);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(edit_, &QLineEdit::textChanged, this, &NoteDialog::check);
  check();
}

QString NoteDialog::note() const {
  return edit_->text();
}

void NoteDialog::check() {
  const QString problem = NoteProblem(edit_->text());
  problem_->setText(problem);
  problem_->setVisible(!problem.isEmpty());
  keep_->setEnabled(problem.isEmpty());
}

}  // namespace rdx508
