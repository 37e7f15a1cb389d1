#include "ui/qt/first_start.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

#include "app/files/new_notebook.h"
#include "app/files/notebook_folder.h"
#include "toolkit/program_title.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

FirstStart RunFirstStart(QtHost& host, const QString& sharedFolder, const CsvFileChooser& chooseCsv) {
  const QString folder = host.programFolder();
  if (HoldsNotebook(folder)) return {};
  for (;;) {
    QMessageBox box(QMessageBox::Question, ProgramTitle(), u"ノートはまだありません。どう始めますか？"_s);
    box.setInformativeText(u"ノートのフォルダー: "_s + folder);
    QPushButton* empty = box.addButton(u"空のノートで始める"_s, QMessageBox::AcceptRole);
    QPushButton* sample = box.addButton(u"サンプルデータで始める"_s, QMessageBox::AcceptRole);
    QPushButton* csv = box.addButton(u"CSV から取り込む…"_s, QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(u"キャンセル"_s, QMessageBox::RejectRole);
    sample->setEnabled(QFileInfo::exists(sharedFolder + u'/' + kNewDayFile));
    box.setDefaultButton(empty);
    box.setEscapeButton(cancel);
    host.runBox(box);
    QAbstractButton* chosen = box.clickedButton();
    if (chosen == nullptr || chosen == cancel) return {false, {}};

    FirstStart start;
    if (chosen == csv) {
      start.importFile =
          chooseCsv ? chooseCsv()
                    : QFileDialog::getOpenFileName(nullptr, u"取り込む CSV ファイル"_s, QString(),
                                                   u"CSV ファイル (*.csv *.txt);;すべてのファイル (*)"_s);
      if (start.importFile.isEmpty()) continue;  // no file chosen: ask again
    }
    const NotebookStart kind = chosen == sample ? NotebookStart::kSample : NotebookStart::kEmpty;
    if (const QString why = CreateNotebook(folder, sharedFolder, kind, host.now()); !why.isEmpty()) {
      host.startupNotice(why);
      return {false, {}};
    }
    return start;
  }
}

}  // namespace rdx508
