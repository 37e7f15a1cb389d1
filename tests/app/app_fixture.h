#pragma once
// A program folder in a temporary directory with a fake host and one CLB_C1, for tests
// that read and write the program's files.

#include <gtest/gtest.h>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include "support/fake_host.h"
#include "toolkit/clb_c1.h"

namespace rdx508::testing {

class AppFolderTest : public ::testing::Test {
 protected:
  AppFolderTest() { host.folder = dir.path(); }

  // The path of `name` inside the program folder.
  QString PathOf(const QString& name) const { return dir.path() + u'/' + name; }

  // Writes the lines as a CP932 text file with CR LF line ends.
  void WriteLines(const QString& name, const QStringList& lines) const {
    QString text;
    for (const QString& line : lines)
      text += line + QStringLiteral("\r\n");
    WriteBytes(PathOf(name), ToCp932(text));
  }

  // A settings file whose rows 1 to 4 name the two data files in the program folder.
  void WriteSettings(const QString& dayFile = QStringLiteral("DAYS.TXT"),
                     const QString& colorFile = QStringLiteral("COLOR.TXT")) const {
    WriteLines(
        QStringLiteral("RDX508_INIT.TXT"),
        {QStringLiteral("1,3,RDX508 設定"),
         QStringLiteral("/* 行1-4: 日付ファイル読込・書込、色範囲ファイル読込・書込"),
         QStringLiteral("01,001,日付読込,,\\") + dayFile, QStringLiteral("01,002,日付書込,,\\") + dayFile,
         QStringLiteral("01,003,色読込,,\\") + colorFile, QStringLiteral("01,004,色書込,,\\") + colorFile});
  }

  QStringList FolderEntries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot); }

  QTemporaryDir dir;
  FakeHost host;
  CLB_C1 clb{host};
};

}  // namespace rdx508::testing
