#include "ui/qt/import_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

ImportDialog::ImportDialog(const ImportPreview& preview, QWidget* parent) : QDialog(parent) {
  const CsvImport& file = preview.import;
  const ImportPlan& plan = preview.plan;
  setWindowTitle(u"取込 — "_s + file.file);

  auto* layout = new QVBoxLayout(this);
  const QString delimiter = file.delimiter == u'\t' ? u"タブ"_s : u"「"_s + file.delimiter + u"」"_s;
  auto* source = new QLabel(
      u"%1（%2、区切り %3）\n列: %4"_s.arg(file.file, file.encoding, delimiter, file.columns.join(u"、"_s)),
      this);
  source->setTextInteractionFlags(Qt::TextSelectableByMouse);
  source->setWordWrap(true);
  layout->addWidget(source);
  auto* counts = new QLabel(preview.Counts(), this);
  counts->setWordWrap(true);
  layout->addWidget(counts);
  if (const QString rule = preview.NoteRule(); !rule.isEmpty()) {
    auto* notes = new QLabel(rule, this);
    notes->setWordWrap(true);
    notes->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(notes);
  }

  QStringList details;
  if (plan.conflicts > 0) {
    details.append(u"値の異なる日（保存済み → ファイル）:"_s);
    details.append(preview.Conflicts());
  }
  if (file.rejectedCount > 0) {
    if (!details.isEmpty()) details.append(QString());
    details.append(u"取り込めない行:"_s);
    details.append(preview.Rejected());
  }
  details_ = new QPlainTextEdit(details.join(u'\n'), this);
  details_->setReadOnly(true);
  details_->setLineWrapMode(QPlainTextEdit::NoWrap);
  details_->setVisible(!details.isEmpty());
  layout->addWidget(details_, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  newOnly_ = new QPushButton(u"新しい日だけ取り込む"_s, this);
  overwrite_ = new QPushButton(u"異なる値も上書きする"_s, this);
  cancel_ = new QPushButton(u"キャンセル"_s, this);
  for (QPushButton* b : {newOnly_, overwrite_, cancel_}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  layout->addLayout(buttons);

  newOnly_->setEnabled(plan.newDays > 0 || plan.notesAdded > 0);
  overwrite_->setEnabled(plan.conflicts > 0);
  QPushButton* preferred =
      newOnly_->isEnabled() ? newOnly_ : (overwrite_->isEnabled() ? overwrite_ : cancel_);
  preferred->setDefault(true);
  preferred->setFocus();
  connect(newOnly_, &QPushButton::clicked, this, [this] { done(kNewOnly); });
  connect(overwrite_, &QPushButton::clicked, this, [this] { done(kOverwrite); });
  connect(cancel_, &QPushButton::clicked, this, [this] { done(kCancel); });

  resize(details.isEmpty() ? QSize(520, 0) : QSize(640, 360));
}

QString ImportDialog::detailsText() const {
  return details_->toPlainText();
}

}  // namespace rdx508
