// What the user types: full-width input read as ASCII, numbers shown without exponents
// and coming back exactly, and values that look like typos marked but still stored.

#include "form_fixture.h"
#include "ui/colours.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

using TypedEntry = FormTest;

void Type(RDX_F508& form, const QStringList& texts) {  // date, first, second, up, down
  const QStringList boxes = {u"日付修正入力"_s, u"TOPIX修正入力"_s, u"日経修正入力"_s, u"上昇数修正入力"_s,
                             u"下落数修正入力"_s};
  for (qsizetype i = 0; i < texts.size(); ++i)
    if (!texts[i].isNull()) form.setText(boxes[i], -1, texts[i]);
}

TEST_F(TypedEntry, FullWidthDigitsAndSignsReadAsTheirAsciiForms) {
  Load(UniformDays(5));
  form->click(u"見出"_s, 9);
  Type(*form, {u"０７／３／１５"_s, u"２７５０．１０"_s, u"　３９，０００"_s, u"１０００"_s, u"＋６００"_s});
  form->click(u"する"_s);
  const DayRec& day = form->series().Days[1];
  EXPECT_EQ(day.Date, u"07/03/15"_s);
  EXPECT_EQ(day.Topix, 2750.10);
  EXPECT_EQ(day.Nikkei, 39000);
  EXPECT_EQ(day.Up, 1000);
  EXPECT_EQ(day.Down, 600);
  form->click(u"見出"_s, 8);
  form->setText(u"範囲指定"_s, 0, u"－１２．５"_s);
  form->click(u"色見本題名"_s, 0);
  EXPECT_EQ(form->Range(2, 0).toNumber(), -12.5);
}

TEST_F(TypedEntry, ExtremeValuesShowWithoutExponentsAndComeBackUnchanged) {
  std::vector<DayRow> rows = UniformDays(3);
  rows[0].topix = u"1000000000000000"_s;
  rows[0].nikkei = u"0.0000001"_s;
  Load(rows);
  form->click(u"連番"_s, 0);
  EXPECT_EQ(Text(u"TOPIX修正入力"_s), u"1000000000000000"_s);
  EXPECT_EQ(Text(u"日経修正入力"_s), u"0.0000001"_s);
  const DayRec before = form->series().Days[1];
  form->click(u"する"_s);
  EXPECT_EQ(form->series().Days[1].Topix, before.Topix);
  EXPECT_EQ(form->series().Days[1].Nikkei, before.Nikkei);
  EXPECT_FALSE(form->IsModified());  // confirmed unchanged: nothing changed
  form->click(u"見出"_s, 6);
  form->setText(u"範囲指定"_s, 0, u"0.00000025"_s);
  form->click(u"色見本題名"_s, 0);
  form->click(u"見出"_s, 7);
  form->click(u"見出"_s, 6);
  EXPECT_EQ(Text(u"範囲指定"_s, 0), u"0.00000025"_s);
}

struct CheckCase {
  const char* name;
  QStringList typed;             // date, first, second, up, down (a null string leaves the box)
  bool first, second, up, down;  // which boxes are marked
};

class EntryChecks : public FormTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(EntryChecks, MarkWhatLooksLikeATypoAndStoreItAnyway) {
  Load(UniformDays(5, 2750, 1000, 600, 39000));  // the day before: TOPIX 2750, 1600 issues
  form->click(u"見出"_s, 9);
  const CheckCase& c = GetParam();
  Type(*form, c.typed);
  const bool marked[] = {c.first, c.second, c.up, c.down};
  const QString boxes[] = {u"TOPIX修正入力"_s, u"日経修正入力"_s, u"上昇数修正入力"_s, u"下落数修正入力"_s};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(C(boxes[i]).backColor, marked[i] ? kCheckBack : kSysWindowBack) << i;
    EXPECT_EQ(C(boxes[i]).toolTip.contains(u'\n'), marked[i]) << i;
  }
  const int32_t days = form->series().DayCnt;
  form->click(u"する"_s);
  EXPECT_EQ(form->series().DayCnt, days + 1);
  EXPECT_EQ(C(boxes[0]).backColor, kSysWindowBack);
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, EntryChecks,
    ::testing::Values(CheckCase{"WithinTenPercent",
                                {u"07/03/15"_s, u"3025"_s, u"35100"_s, u"1280"_s, u"640"_s},
                                false,
                                false,
                                false,
                                false},
                      CheckCase{"TenPercentAndMore",
                                {u"07/03/15"_s, u"3025.01"_s, u"35099"_s, u"1281"_s, u"640"_s},
                                true,
                                true,
                                true,
                                true},
                      CheckCase{"ASlippedDigit",
                                {u"07/03/15"_s, u"27500.10"_s, u""_s, u"10000"_s, u""_s},
                                true,
                                false,
                                false,
                                false},
                      CheckCase{"ANegativeCountAsTheImportMarksIt",
                                {u"07/03/15"_s, u"2750"_s, u""_s, u"-5"_s, u"1605"_s},
                                false,
                                false,
                                true,
                                false},
                      CheckCase{"NotAWholeCountOrNoNumber",
                                {u"07/03/15"_s, u"abc"_s, u""_s, u"1000.5"_s, u"600"_s},
                                true,
                                false,
                                true,
                                false},
                      CheckCase{"TheDayBeforeAnOlderDate",
                                {u"07/03/10"_s, u"2760"_s, u""_s, u""_s, u""_s},
                                false,
                                false,
                                false,
                                false}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace rdx508::testing
