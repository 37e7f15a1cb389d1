// Undo and redo of every kind of change, the modified marker, and the window's menu.

#include <QTemporaryDir>

#include "form_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

using UndoTest = FormTest;

void Add(RDX_F508& form, const QString& date, const QString& topix = u"1100"_s) {
  form.click(u"見出"_s, 9);
  form.setText(u"日付修正入力"_s, -1, date);
  form.setText(u"TOPIX修正入力"_s, -1, topix);
  form.click(u"する"_s);
}

QString Summary(const RDX_F508& form) {  // every stored day's date and TOPIX, and the archive's size
  QString out;
  for (int32_t p = 1; p <= form.series().DayCnt; ++p)
    out += form.series().Days[static_cast<size_t>(p)].Date + u':' +
           QString::number(form.series().Days[static_cast<size_t>(p)].Topix) + u' ';
  return out + u"archive "_s + QString::number(form.series().Archive.size());
}

QString UndoCaption(const RDX_F508& form) {
  return form.ContextMenu().front().caption;
}

struct ChangeCase {
  const char* name;
  void (*change)(RDX_F508&);
  const char16_t* caption;
};

const ChangeCase kChanges[] = {
    {"Add", [](RDX_F508& f) { Add(f, u"07/03/15"_s); }, u"元に戻す: 07/03/15 の追加"},
    {"Modify",
     [](RDX_F508& f) {
       f.click(u"連番"_s, 1);
       f.setText(u"TOPIX修正入力"_s, -1, u"1234.5"_s);
       f.click(u"する"_s);
     },
     u"元に戻す: 07/03/13 の修正"},
    {"Delete",
     [](RDX_F508& f) {
       f.click(u"日付"_s, 2);
       f.click(u"する"_s);
     },
     u"元に戻す: 07/03/12 の削除"},
    {"Ranges",
     [](RDX_F508& f) {
       f.click(u"見出"_s, 8);
       f.setText(u"範囲指定"_s, 0, u"75"_s);
       f.click(u"色見本題名"_s, 0);
     },
     u"元に戻す: 騰落レシオの色範囲"},
};

class EachChange : public UndoTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(EachChange, UndoRestoresAndRedoRepeatsIt) {
  Load(UniformDays(30));
  const QString before = Summary(*form);
  const QString limit = form->Range(2, 0).toText();
  EXPECT_FALSE(form->IsModified());
  EXPECT_EQ(form->Title(), u"市況ノート"_s);
  GetParam().change(*form);
  const QString after = Summary(*form) + form->Range(2, 0).toText();
  EXPECT_TRUE(form->IsModified());
  EXPECT_EQ(form->Title(), u"市況ノート *"_s);
  EXPECT_EQ(UndoCaption(*form), QString::fromUtf16(GetParam().caption));

  form->click(u"見出"_s, 9);  // an open panel is closed by the undo
  ASSERT_TRUE(form->Undo());
  EXPECT_FALSE(PanelOpen());
  EXPECT_EQ(Summary(*form), before);
  EXPECT_EQ(form->Range(2, 0).toText(), limit);
  EXPECT_FALSE(form->IsModified());
  EXPECT_FALSE(form->Undo());

  ASSERT_TRUE(form->Redo());
  EXPECT_EQ(Summary(*form) + form->Range(2, 0).toText(), after);
  EXPECT_TRUE(form->IsModified());
  EXPECT_FALSE(form->Redo());
}

INSTANTIATE_TEST_SUITE_P(Kinds, EachChange, ::testing::ValuesIn(kChanges),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(UndoTest, AChainUndoesInOrderAndANewChangeClearsRedo) {
  Load(UniformDays(5));
  Add(*form, u"07/03/15"_s);
  Add(*form, u"07/03/16"_s);
  Add(*form, u"07/03/19"_s);
  form->Undo();
  form->Undo();
  EXPECT_EQ(form->series().Days[1].Date, u"07/03/15"_s);
  Add(*form, u"07/03/20"_s);
  EXPECT_FALSE(form->Redo());
  EXPECT_EQ(form->ContextMenu()[1].caption, u"やり直し"_s);
  EXPECT_FALSE(form->ContextMenu()[1].enabled);
  for (int i = 0; i < 2; ++i)
    EXPECT_TRUE(form->Undo());
  EXPECT_EQ(form->series().DayCnt, 5);
}

TEST_F(UndoTest, AHundredStepsAreKept) {
  Load(UniformDays(5));
  for (int i = 0; i < 101; ++i)
    Add(*form, QDate(2008, 1, 1).addDays(i).toString(u"yy/MM/dd"_s));
  int undone = 0;
  while (form->Undo())
    ++undone;
  EXPECT_EQ(undone, 100);
  EXPECT_EQ(form->series().DayCnt, 6);
}

TEST_F(UndoTest, UndoingAnAddToAFullSeriesBringsTheArchivedDayBack) {
  Load(UniformDays(998));
  const QString oldest = form->series().Days[998].Date;
  Add(*form, u"07/03/15"_s);
  ASSERT_EQ(form->series().Archive.size(), 1);
  form->Undo();
  EXPECT_EQ(form->series().Days[998].Date, oldest);
  EXPECT_TRUE(form->series().Archive.isEmpty());
}

TEST_F(UndoTest, SavingClearsTheMarkerAndUndoingPastTheSaveSetsIt) {
  Load(UniformDays(5));
  Add(*form, u"07/03/15"_s);
  form->click(u"データ保存"_s);  // the fake folder has no settings: the save fails
  EXPECT_TRUE(form->IsModified());
  tables.INI.redim({3, 4, 1});
  tables.INI(0, 1, 0) = Value(u"4"_s);
  for (int row = 1; row <= 4; ++row)
    tables.INI(3, row, 1) = Value(u"/undo-test-"_s + QString::number(row) + u".txt"_s);
  const QTemporaryDir dir;
  host.folder = dir.path();
  form->Command(u"save"_s);
  EXPECT_FALSE(form->IsModified());
  form->Undo();
  EXPECT_TRUE(form->IsModified());
  form->Redo();
  EXPECT_FALSE(form->IsModified());
}

TEST_F(UndoTest, UndoShowsTheChangedDayAndConfirmingUnchangedValuesIsNoStep) {
  Load(UniformDays(200));
  form->click(u"移動"_s, 0);  // 5 days older
  form->click(u"連番"_s, 0);  // position 6, confirmed unchanged
  form->click(u"する"_s);
  EXPECT_FALSE(form->IsModified());
  form->click(u"日付"_s, 0);
  form->click(u"する"_s);
  for (int i = 0; i < 8; ++i)
    form->click(u"移動"_s, 0);
  form->Undo();
  EXPECT_EQ(form->GridOffset(), 5);
  EXPECT_FALSE(form->IsModified());
}

TEST_F(UndoTest, GridKeysScrollLikeTheArrowsButNotWithAPanelOpen) {
  Load(UniformDays(100));
  struct Step {
    RDX_F508::Key key;
    int32_t offset;
  } steps[] = {{RDX_F508::Key::PageDown, 5}, {RDX_F508::Key::Down, 6}, {RDX_F508::Key::Up, 5},
               {RDX_F508::Key::PageUp, 0},   {RDX_F508::Key::Up, 0},   {RDX_F508::Key::PageDown, 5},
               {RDX_F508::Key::Home, 0}};
  for (const Step& s : steps) {
    form->keyPress({}, s.key);
    EXPECT_EQ(form->GridOffset(), s.offset);
  }
  form->click(u"見出"_s, 9);
  EXPECT_FALSE(form->keyPress(u"TOPIX修正入力"_s, RDX_F508::Key::Down));
  EXPECT_TRUE(PanelOpen());
  EXPECT_TRUE(form->keyPress(u"TOPIX修正入力"_s, RDX_F508::Key::Escape));
  EXPECT_FALSE(PanelOpen());
}

}  // namespace
}  // namespace rdx508::testing
