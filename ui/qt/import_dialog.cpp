#include "ui/qt/import_dialog.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

ImportDialog::ImportDialog(const ImportPreview& preview, QWidget* parent, const Replan& replan,
                           std::optional<CloseIndex> guess)
    : QDialog(parent), preview_(preview) {
  setWindowTitle(u"取込 — "_s + preview.import.file);

  auto* layout = new QVBoxLayout(this);
  source_ = new QLabel(this);
  source_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  source_->setWordWrap(true);
  layout->addWidget(source_);

  if (preview.import.loneClose && replan) {
    // A file of one index: the user says which, starting from the guess.
    auto* row = new QHBoxLayout;
    auto* question = new QLabel(u"終値の列の指数:"_s, this);
    topix_ = new QRadioButton(u"東証平均"_s, this);
    nikkei_ = new QRadioButton(u"日経平均"_s, this);
    topix_->setAccessibleName(u"終値の列は東証平均"_s);
    nikkei_->setAccessibleName(u"終値の列は日経平均"_s);
    auto* group = new QButtonGroup(this);
    group->addButton(topix_);
    group->addButton(nikkei_);
    row->addWidget(question);
    row->addWidget(topix_);
    row->addWidget(nikkei_);
    row->addStretch(1);
    layout->addLayout(row);
    awaitingIndex_ = !guess;
    if (guess) {
      closeButton(*guess)->setChecked(true);
      preview_ = replan(*guess);
    }
    for (CloseIndex index : {CloseIndex::Topix, CloseIndex::Nikkei})
      connect(closeButton(index), &QRadioButton::toggled, this, [this, replan, index](bool on) {
        if (!on) return;
        awaitingIndex_ = false;
        Show(replan(index));
      });
  }

  counts_ = new QLabel(this);
  counts_->setWordWrap(true);
  layout->addWidget(counts_);
  notes_ = new QLabel(this);
  notes_->setWordWrap(true);
  notes_->setForegroundRole(QPalette::PlaceholderText);
  layout->addWidget(notes_);

  details_ = new QPlainTextEdit(this);
  details_->setReadOnly(true);
  details_->setLineWrapMode(QPlainTextEdit::NoWrap);
  details_->setAccessibleName(u"取込の詳細"_s);
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
  connect(newOnly_, &QPushButton::clicked, this, [this] { done(kNewOnly); });
  connect(overwrite_, &QPushButton::clicked, this, [this] { done(kOverwrite); });
  connect(cancel_, &QPushButton::clicked, this, [this] { done(kCancel); });

  Show(preview_);
  resize(details_->isVisible() ? QSize(640, 360) : QSize(520, 0));
}

void ImportDialog::Show(const ImportPreview& preview) {
  preview_ = preview;
  const CsvImport& file = preview.import;
  const ImportPlan& plan = preview.plan;
  const QString delimiter = file.delimiter == u'\t' ? u"タブ"_s : u"「"_s + file.delimiter + u"」"_s;
  source_->setText(
      u"%1（%2、区切り %3）\n列: %4"_s.arg(file.file, file.encoding, delimiter, file.columns.join(u"、"_s)));
  counts_->setText(awaitingIndex_ ? u"終値の列が東証平均か日経平均かを選んでください"_s : preview.Counts());
  notes_->setText(preview.NoteRule());
  notes_->setVisible(!notes_->text().isEmpty());

  QStringList details;
  auto section = [&details](const QString& heading, const QStringList& lines) {
    if (lines.isEmpty()) return;
    if (!details.isEmpty()) details.append(QString());
    details.append(heading);
    details.append(lines);
  };
  if (!awaitingIndex_) {
    section(u"確かめてほしい新しい日:"_s, preview.marks);
    section(u"値の異なる日（保存済み → ファイル）:"_s,
            plan.conflicts > 0 ? preview.Conflicts() : QStringList());
    section(u"0 を埋める日（保存済み → ファイル）:"_s, preview.Filled());
    section(u"追加する日:"_s, preview.NewDates());
  }
  section(u"取り込めない行:"_s, file.rejectedCount > 0 ? preview.Rejected() : QStringList());
  section(u"注記として読み飛ばした行:"_s, preview.Notes());
  details_->setPlainText(details.join(u'\n'));
  details_->setVisible(!details.isEmpty());

  newOnly_->setEnabled(!awaitingIndex_ && (plan.newDays > 0 || plan.notesAdded > 0 || plan.filled > 0));
  overwrite_->setEnabled(!awaitingIndex_ && plan.conflicts > 0);
  QPushButton* preferred =
      newOnly_->isEnabled() ? newOnly_ : (overwrite_->isEnabled() ? overwrite_ : cancel_);
  for (QPushButton* b : {newOnly_, overwrite_, cancel_})
    b->setDefault(b == preferred);
  if (!awaitingIndex_ || !topix_)
    preferred->setFocus();
  else
    topix_->setFocus();
}

QString ImportDialog::detailsText() const {
  return details_->toPlainText();
}

QString ImportDialog::countsText() const {
  return counts_->text();
}

}  // namespace rdx508
