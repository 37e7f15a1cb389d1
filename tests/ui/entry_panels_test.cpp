// Opening the entry panels: laid edge to edge over the row, above the grid, with the
// day's values and tool tips by index mode.

#include "form_fixture.h"

#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

using PanelTest = FormTest;

// The panel controls shown, left to right, each drawn above the grid at `top`.
void ExpectChain(RDX_F508& form, const QStringList& chain, int32_t left, int32_t top) {
  QStringList shown;
  for (const Control& c : form.controls())
    if (c.visible && c.z > 1) shown << c.array;  // the layout itself uses z 0 and 1
  EXPECT_EQ(shown.size(), chain.size());
  for (const QString& name : chain) {
    const Control& c = form.control(name);
    EXPECT_TRUE(c.visible && c.z > 1) << name.toStdString();
    EXPECT_EQ(std::pair(c.left, c.top), std::pair(left, top)) << name.toStdString();
    left += c.width;
  }
}

TEST_F(PanelTest, AddPanelOverTheHeadingRow) {
  Load(UniformDays(30));  // newest Wednesday 07/03/14
  form->click(u"見出"_s, 9);
  form->setText(u"TOPIX修正入力"_s, -1, u"1234"_s);
  form->click(u"見出"_s, 9);  // again: one panel, empty boxes
  EXPECT_EQ(form->EditRow(), -1);
  EXPECT_EQ(Text(u"修正"_s), u"追加"_s);
  ExpectChain(*form,
              {u"修正"_s, u"する"_s, u"しない"_s, u"日付修正入力"_s, u"TOPIX修正入力"_s, u"日経修正入力"_s,
               u"上昇数修正入力"_s, u"下落数修正入力"_s},
              120, 60);
  EXPECT_EQ(C(u"下落数修正入力"_s).left + C(u"下落数修正入力"_s).width, 6840);
  EXPECT_EQ(Text(u"日付修正入力"_s) + Text(u"TOPIX修正入力"_s), u"07/03/15"_s);
  EXPECT_FALSE(C(u"データ保存"_s).enabled);
  EXPECT_EQ(form->focusControl(), &C(u"TOPIX修正入力"_s));
}

TEST_F(PanelTest, ModifyPanelShowsTheScrolledDayByMode) {
  std::vector<DayRow> rows = UniformDays(70);
  rows[13] = {rows[13].date, u"1634.5"_s, u"1203"_s, u"12"_s, u"17250.25"_s};
  Load(rows);
  form->click(u"移動"_s, 0);
  form->click(u"移動"_s, 0);
  form->click(u"連番"_s, 3);  // offset 10: position 14
  EXPECT_EQ(form->EditRow(), 3);
  ExpectChain(*form,
              {u"修正"_s, u"する"_s, u"しない"_s, u"日付修正"_s, u"TOPIX修正入力"_s, u"日経修正入力"_s,
               u"上昇数修正入力"_s, u"下落数修正入力"_s},
              120, 1440);
  EXPECT_EQ(QStringList({Text(u"日付修正"_s), Text(u"TOPIX修正入力"_s), Text(u"日経修正入力"_s),
                         Text(u"上昇数修正入力"_s), Text(u"下落数修正入力"_s)}),
            QStringList({rows[13].date, u"1634.5"_s, u"17250.25"_s, u"1203"_s, u"12"_s}));
  form->click(u"見出"_s, 1);  // closes the panel
  EXPECT_FALSE(PanelOpen());
  form->click(u"連番"_s, 3);
  EXPECT_EQ(Text(u"TOPIX修正入力"_s) + Text(u"日経修正入力"_s), u"17250.251634.5"_s);
  EXPECT_EQ(C(u"TOPIX修正入力"_s).toolTip + C(u"日経修正入力"_s).toolTip, u"日経平均入力東証平均入力"_s);
}

TEST_F(PanelTest, DeletePanelTakesNoFocusAndEmptyRowsOpenNothing) {
  Load(UniformDays(30));
  const quint64 serial = form->focusSerial();
  form->click(u"日付"_s, 25);
  ExpectChain(*form,
              {u"削除"_s, u"する"_s, u"しない"_s, u"日付修正"_s, u"TOPIX修正"_s, u"日経修正"_s,
               u"上昇数修正"_s, u"下落数修正"_s},
              1080, 7320);
  EXPECT_EQ(Text(u"TOPIX修正"_s) + u' ' + Text(u"日経修正"_s), u"1000 17000"_s);
  EXPECT_EQ(form->focusSerial(), serial);
  Load(UniformDays(5));
  form->click(u"連番"_s, 10);
  form->click(u"日付"_s, 10);
  EXPECT_FALSE(PanelOpen());
}

// The window's own load reads the holiday list its settings name, as the program's start
// does: the add panel then proposes the day after a listed holiday.
TEST(WindowLoad, ReadsTheHolidayListOfItsSettings) {
  QTemporaryDir dir;
  FakeHost host;
  host.folder = dir.path();
  const auto write = [&](const QString& name, const QString& text) {
    WriteBytes(dir.path() + u'/' + name, ToCp932(text));
  };
  write(u"RDX508_INIT.TXT"_s,
        u"1,3,RDX508 設定\r\n01,001,a,,\\D.TXT\r\n01,002,b,,\\D.TXT\r\n01,003,c,,\\C.TXT\r\n"
        u"01,004,d,,\\C.TXT\r\n01,005,休業日ファイル読込,,\\syukujitsu.csv\r\n"_s);
  write(u"D.TXT"_s, u"1,5,RDX508_F4 202501101830\r\n01,001,25/01/10,2700.00,900,700,39000.00\r\n"_s);
  write(u"C.TXT"_s, u"1,7,RDX508_F5 202501101830\r\n01,000,20,45,50,55,60,80,100,\r\n"_s);
  write(u"syukujitsu.csv"_s,
        u"国民の祝日・休日月日,国民の祝日・休日名称\r\n2025/1/1,元日\r\n2025/1/13,成人の日\r\n"_s);
  CLB_C1 clb(host);
  StartupTables tables;
  ASSERT_EQ(ReadStartupFiles(clb, tables), QString());
  RDX_F508 form(clb, host, tables);
  form.Form_Load();
  EXPECT_TRUE(host.errors.empty());
  form.click(u"見出"_s, 9);
  EXPECT_EQ(form.control(u"日付修正入力"_s).text, u"25/01/14"_s);  // Monday the 13th is 成人の日
}

}  // namespace
}  // namespace rdx508::testing
