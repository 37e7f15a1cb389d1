// Notes in the window: one undo step each, a delete takes the note and undo brings both
// back, a modify keeps it; the date cell's mark and tool tip.

#include "form_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

using NotesTest = FormTest;

TEST_F(NotesTest, SettingChangingAndClearingAreUndoSteps) {
  Load(UniformDays(5));
  const QString day = u"07/03/13"_s;
  form->SetNote(day, u"日銀会合"_s);
  EXPECT_TRUE(form->IsModified());
  EXPECT_EQ(form->ContextMenu().front().caption, u"元に戻す: 07/03/13 のメモ"_s);
  EXPECT_TRUE(C(u"日付"_s, 1).cornerMark);
  EXPECT_EQ(C(u"日付"_s, 1).toolTip, u"東証・日経・騰落数　削除\n日銀会合"_s);
  EXPECT_FALSE(C(u"日付"_s, 0).cornerMark);
  form->SetNote(day, u"日銀会合、利上げ見送り"_s);
  form->SetNote(day, u""_s);
  EXPECT_FALSE(C(u"日付"_s, 1).cornerMark);
  form->Undo();
  EXPECT_EQ(form->Note(day), u"日銀会合、利上げ見送り"_s);
  form->Undo();
  form->Undo();
  EXPECT_EQ(form->Note(day), QString());
  EXPECT_FALSE(form->IsModified());
  form->SetNote(day, u"😀"_s);  // a character the file cannot hold is never stored
  EXPECT_FALSE(form->IsModified());
}

TEST_F(NotesTest, ADeleteTakesTheNoteAndUndoBringsBothBackWhileAModifyKeepsIt) {
  Load(UniformDays(5));
  form->SetNote(u"07/03/13"_s, u"SQ"_s);
  form->click(u"連番"_s, 1);
  form->setText(u"TOPIX修正入力"_s, -1, u"1200"_s);
  form->click(u"する"_s);
  EXPECT_EQ(form->Note(u"07/03/13"_s), u"SQ"_s);
  form->click(u"日付"_s, 1);
  form->click(u"する"_s);
  EXPECT_EQ(form->Note(u"07/03/13"_s), QString());
  form->Undo();
  EXPECT_EQ(form->series().Days[2].Date, u"07/03/13"_s);
  EXPECT_EQ(form->Note(u"07/03/13"_s), u"SQ"_s);
  EXPECT_TRUE(C(u"日付"_s, 1).cornerMark);
}

TEST_F(NotesTest, TheNoteMenuActsOnTheRowUnderThePointerOrTheTopDay) {
  Load(UniformDays(5));
  auto caption = [&](int row) {
    for (const RDX_F508::MenuEntry& e : form->ContextMenu(row))
      if (e.command == u"note") return e.caption;
    return QString();
  };
  EXPECT_EQ(caption(2), u"07/03/12 のメモ…"_s);
  EXPECT_EQ(caption(-1), u"07/03/14 のメモ…"_s);
  EXPECT_EQ(form->Command(u"note"_s, 2), RDX_F508::ViewRequest::EditNote);
  form->SetNote(u"07/03/12"_s, QString(1000, u'あ'));
  EXPECT_EQ(form->Note(u"07/03/12"_s).size(), 1000);  // kept whole
  EXPECT_LT(C(u"日付"_s, 2).toolTip.size(), 400);     // shown shortened
  EXPECT_TRUE(C(u"日付"_s, 2).toolTip.endsWith(u"…"_s));
}

}  // namespace
}  // namespace rdx508::testing
