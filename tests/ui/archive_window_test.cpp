// The window and the archive: a day pushed out of a full series is saved to the archive
// and read back at the next start; the read comes before any change.

#include <QDate>

#include "app/app_fixture.h"
#include "app/files/startup.h"
#include "ui/rdx_f508.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

class ArchiveWindow : public AppFolderTest {
 protected:
  void WriteDays(int count) {
    QStringList lines = {u"1,5,RDX508_F4 200703150905"_s, u"/* days"_s};
    QDate d(2007, 3, 14);
    for (int p = 1; p <= count; d = d.addDays(-1)) {
      if (d.dayOfWeek() > 5) continue;
      lines << u"01,%1,%2,1000.00,600,400,17000.00"_s.arg(p++, 3, 10, QChar(u'0'))
                   .arg(d.toString(u"yy/MM/dd"_s));
    }
    WriteLines(u"DAYS.TXT"_s, lines);
    WriteLines(u"COLOR.TXT"_s, {u"1,7,C"_s, u"01,000,20,45,50,55,60,80,100,"_s,
                                u"01,001,20,45,50,55,60,80,100,"_s, u"01,002,20,45,50,55,60,80,100,"_s});
    WriteSettings();
  }
  std::unique_ptr<RDX_F508> Open() {
    tables = StartupTables{};
    EXPECT_EQ(ReadStartupFiles(clb, tables), QString());
    auto form = std::make_unique<RDX_F508>(clb, host, tables);
    form->Form_Load();
    return form;
  }
  StartupTables tables;
};

TEST_F(ArchiveWindow, APushedDaySurvivesTheSaveAndComesBackAtTheNextStart) {
  WriteDays(998);
  auto form = Open();
  const QString oldest = form->series().Days[998].Date;
  form->click(u"見出"_s, 9);
  form->setText(u"日付修正入力"_s, -1, u"07/03/15"_s);
  form->click(u"する"_s);
  form->click(u"データ保存"_s);
  EXPECT_TRUE(host.errors.empty());
  EXPECT_TRUE(QFile::exists(PathOf(u"RDX508_ARCHIVE.TXT"_s)));

  form = Open();
  EXPECT_TRUE(form->series().Archive.isEmpty());  // read after the first frame, or before a change
  form->click(u"日付"_s, 0);
  form->click(u"する"_s);  // deleting the newest day
  ASSERT_EQ(form->series().Archive.size(), 1);
  EXPECT_EQ(form->series().Archive[0].Date, oldest);
  form->Undo();
  EXPECT_EQ(form->series().Archive.size(), 1);  // undo keeps what was read
  EXPECT_EQ(form->series().Days[1].Date, u"07/03/15"_s);
}

}  // namespace
}  // namespace rdx508::testing
