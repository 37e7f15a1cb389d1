#pragma once
// A program folder for runs of the built program: the sample data and the program itself
// (a second link to it where the file system allows, else a copy) in a temporary
// directory, so that the program finds its settings beside it.

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace rdx508::testing {

class ProgramFolder {
 public:
  ProgramFolder() {
    const QDir data(QStringLiteral(RDX508_DATA_DIR));
    for (const QString& name : data.entryList(QDir::Files))
      ok_ = QFile::copy(data.filePath(name), path(name)) && ok_;
    const QString built = QStringLiteral(RDX508_BUILD_DIR "/rdx508");
    ok_ =
        ok_ && (::link(QFile::encodeName(built).constData(), QFile::encodeName(program()).constData()) == 0 ||
                QFile::copy(built, program()));
  }
  // Whether the folder was made whole.
  bool ok() const { return ok_ && dir_.isValid(); }
  QString path(const QString& name) const { return dir_.filePath(name); }
  QString folder() const { return dir_.path(); }
  QString program() const { return path(QStringLiteral("rdx508")); }

 private:
  QTemporaryDir dir_;
  bool ok_ = true;
};

}  // namespace rdx508::testing
