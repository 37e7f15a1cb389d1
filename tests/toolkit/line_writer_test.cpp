#include <gtest/gtest.h>
#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <csignal>

#include "toolkit_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

const QString kJapanese =
    u"/* 日足データ（東証平均、日経平均）\r\n1,2,東証平均\r\n1,1,０７/０３/１５,1634.5\r\n"_s;

TEST_F(ToolkitTest, WriteReplacesContentWithoutExtraLineEnd) {
  const QString file = path(u"out.txt"_s);
  ASSERT_EQ(clb.L_Write(file, u"a long first text\r\n"_s), 1);
  ASSERT_EQ(clb.L_Write(file, u"x\r\n"_s), 1);
  EXPECT_EQ(ReadBytes(file), QByteArray("x\r\n"));
  ASSERT_EQ(clb.L_Write(file, u""_s), 1);
  EXPECT_EQ(ReadBytes(file), QByteArray());
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(ToolkitTest, JapaneseTextSurvivesReadAndWriteByteForByte) {
  const QByteArray original = ToCp932(kJapanese);
  const QString in = writeRaw(u"in.txt"_s, original);

  List lines;
  ASSERT_EQ(clb.L_Read(in, lines), 3);
  QString rebuilt;
  for (int32_t i = 1; i <= 3; ++i)
    rebuilt += lines(i).toText() + u"\r\n"_s;
  ASSERT_EQ(clb.L_Write(path(u"copy.txt"_s), rebuilt), 1);
  EXPECT_EQ(ReadBytes(path(u"copy.txt"_s)), original);

  Table3 tbl;
  ASSERT_EQ(clb.T_Read(in, tbl), 2);
  EXPECT_EQ(tbl(1, 0, 0).toText(), u"東証平均"_s);
  EXPECT_EQ(tbl(1, 1, 1).toText(), u"０７/０３/１５"_s);
}

TEST_F(ToolkitTest, WriteUsesBackslashPaths) {
  QDir(dir.path()).mkdir(u"sub"_s);
  ASSERT_EQ(clb.L_Write(dir.path() + u"\\sub\\DAYS.TXT"_s, u"1\r\n"_s), 1);
  EXPECT_EQ(ReadBytes(path(u"sub/DAYS.TXT"_s)), QByteArray("1\r\n"));
}

class WriteFailureTest : public ToolkitTest {
 protected:
  void expectOneBox() {
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0].title, u"CLB_C1(関数 L_Write)"_s);
    EXPECT_TRUE(host.errors[0].text.startsWith(u"Error("_s));
    EXPECT_GT(host.errors[0].text.size(), 9);  // a description follows the number
  }
};

TEST_F(WriteFailureTest, FolderAsTargetFails) {
  EXPECT_EQ(clb.L_Write(dir.path(), u"x"_s), -1);
  expectOneBox();
}

TEST_F(WriteFailureTest, MissingFolderFails) {
  EXPECT_EQ(clb.L_Write(path(u"no/such/file.txt"_s), u"x"_s), -1);
  expectOneBox();
  EXPECT_FALSE(QFile::exists(path(u"no"_s)));
}

TEST_F(WriteFailureTest, UnencodableCharacterKeepsOldFile) {
  const QByteArray old = ToCp932(kJapanese);
  const QString file = writeRaw(u"days.txt"_s, old);
  EXPECT_EQ(clb.L_Write(file, u"1,1,☃ snow\r\n"_s), -1);
  expectOneBox();
  EXPECT_TRUE(host.errors[0].text.contains(u"☃"_s));
  EXPECT_EQ(ReadBytes(file), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"days.txt"_s});  // no leftovers

  EXPECT_EQ(clb.L_Write(file, u"emoji 😀\r\n"_s), -1);  // outside the BMP too
  EXPECT_EQ(ReadBytes(file), old);
}

// Caps the size of any file this process writes, so that the kernel cuts a write off
// part-way (EFBIG) as a full disk would; the old limit returns at the end of the scope.
class FileSizeCap {
 public:
  explicit FileSizeCap(rlim_t bytes) {
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of killing us
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit capped = old_;
    capped.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &capped);
  }
  ~FileSizeCap() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

// A day file of 999 lines, far beyond the cap below.
QString LongDayText() {
  QString text = u"1,5,RDX508_F4 200703150905\r\n"_s;
  for (int row = 0; row < 999; ++row)
    text += u"01,%1,07/03/15,1634.50,1200,400,17000.00\r\n"_s.arg(row, 3, 10, QChar(u'0'));
  return text;
}

TEST_F(WriteFailureTest, WriteCutOffPartWayKeepsOldFileByteForByte) {
  const QByteArray old = ToCp932(kJapanese);
  const QString file = writeRaw(u"days.txt"_s, old);
  const QString text = LongDayText();
  constexpr rlim_t kCap = 4096;
  ASSERT_GT(text.size(), 10 * static_cast<qsizetype>(kCap));

  {
    // The cap really cuts a plain truncating write part-way: that would be a half file.
    FileSizeCap cap(kCap);
    QFile plain(path(u"plain.txt"_s));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write(text.toLatin1());
    plain.close();
  }
  EXPECT_EQ(QFile(path(u"plain.txt"_s)).size(), static_cast<qint64>(kCap));
  QFile::remove(path(u"plain.txt"_s));

  int32_t result = 0;
  {
    FileSizeCap cap(kCap);
    result = clb.L_Write(file, text);
  }
  EXPECT_EQ(result, -1);
  expectOneBox();
  EXPECT_EQ(ReadBytes(file), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"days.txt"_s});  // no leftovers

  // Nothing stays open or locked: the next write goes through.
  ASSERT_EQ(clb.L_Write(file, text), 1);
  EXPECT_EQ(FromCp932(ReadBytes(file)), text);
}

TEST_F(WriteFailureTest, FailedFirstWriteLeavesNoFile) {
  const QString file = path(u"new.txt"_s);
  {
    FileSizeCap cap(100);
    EXPECT_EQ(clb.L_Write(file, LongDayText()), -1);
  }
  expectOneBox();
  EXPECT_FALSE(QFile::exists(file));
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

}  // namespace
}  // namespace rdx508::testing
