#include "program/notebook_start.h"

#include "app/files/new_notebook.h"
#include "app/files/notebook_folder.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

QString TakeDataOption(QStringList& arguments) {
  QString folder;
  for (qsizetype i = 0; i < arguments.size();) {
    const QString& a = arguments[i];
    if (a.startsWith(u"--data="_s) && a.size() > 7) {
      folder = a.mid(7);
      arguments.removeAt(i);
    } else if (a == u"--data"_s && i + 1 < arguments.size() && !arguments[i + 1].startsWith(u"--"_s) &&
               !arguments[i + 1].isEmpty()) {
      folder = arguments[i + 1];
      arguments.remove(i, 2);
    } else {
      ++i;
    }
  }
  return folder;
}

QString PrepareCommandLineNotebook(Host& host, bool create, const QString& sharedFolder) {
  const QString folder = host.programFolder();
  if (HoldsNotebook(folder)) return {};
  if (!create)
    return u"%1 にノートがありません（ウィンドウで rdx508 を開くか、rdx508 --import FILE で作ります）"_s.arg(
        folder);
  return CreateNotebook(folder, sharedFolder, NotebookStart::kEmpty, host.now());
}

}  // namespace rdx508
