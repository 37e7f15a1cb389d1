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
      text += line + u"\r\n"_s;
    WriteBytes(PathOf(name), ToCp932(text));
  }

  // A settings file whose rows 1 to 4 name the two data files in the program folder.
  void WriteSettings(const QString& dayFile = u"DAYS.TXT"_s,
                     const QString& colorFile = u"COLOR.TXT"_s) const {
    WriteLines(u"RDX508_INIT.TXT"_s,
               {u"1,3,RDX508 設定"_s, u"/* 行1-4: 日付ファイル読込・書込、色範囲ファイル読込・書込"_s,
                u"01,001,日付読込,,\\"_s + dayFile, u"01,002,日付書込,,\\"_s + dayFile,
                u"01,003,色読込,,\\"_s + colorFile, u"01,004,色書込,,\\"_s + colorFile});
  }

  QStringList FolderEntries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot); }

  QTemporaryDir dir;
  FakeHost host;
  CLB_C1 clb{host};
};

}  // namespace rdx508::testing
