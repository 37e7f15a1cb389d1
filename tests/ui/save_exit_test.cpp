// Saving from the window and leaving it: the save caption, the close question and 終了.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "form_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

class SaveExitTest : public FormTest {
 protected:
  QTemporaryDir dir;
  QString dayPath = dir.filePath(u"days.txt"_s), colorPath = dir.filePath(u"color.txt"_s);

  void SetUp() override {
    tables.INI.redim({3, 4, 1});
    tables.INI(0, 1, 0) = Value(u"4"_s);
    tables.INI(2, 2, 1) = Value(dayPath);
    tables.INI(2, 4, 1) = Value(colorPath);
    Load(UniformDays(3));
  }
};

TEST_F(SaveExitTest, SaveButtonWritesBothFilesAndShowsTheTime) {
  form->click(u"見出"_s, 9);
  form->click(u"データ保存"_s);  // disabled while a panel is open
  EXPECT_FALSE(QFile::exists(dayPath));
  form->click(u"しない"_s);
  form->click(u"データ保存"_s);
  EXPECT_EQ(Text(u"データ保存"_s), u"保存(09:05)"_s);
  EXPECT_TRUE(FromCp932(ReadBytes(dayPath)).contains(u"01,001,07/03/14,1000.00,600,400,17000.00\r\n"_s));
  EXPECT_TRUE(FromCp932(ReadBytes(colorPath)).contains(u"01,000,20,45,50,55,60,80,,\r\n"_s));
  EXPECT_EQ(host.ends, 0);
}

// A failed save names the file in one box and shows no save time; the change stays unsaved.
TEST_F(SaveExitTest, AFailedSaveShowsNoSaveTime) {
  form->SetNote(u"07/03/14"_s, u"メモ"_s);
  QDir().mkpath(dayPath);
  form->click(u"データ保存"_s);
  EXPECT_EQ(Text(u"データ保存"_s), u"データ保存"_s);
  EXPECT_TRUE(form->IsModified());
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_TRUE(host.errors[0].text.contains(u"days.txt"_s)) << host.errors[0].text.toStdString();
}

TEST_F(SaveExitTest, CloseAsksAndSavesOnlyOnYes) {
  for (const bool yes : {false, true}) {
    host.answer = yes;
    form->Form_Unload();
    EXPECT_EQ(QFile::exists(dayPath), yes);
    EXPECT_EQ(QFile::exists(colorPath), yes);
  }
  EXPECT_EQ(host.questions, (std::vector<QString>(2, u"データ保存しますか？"_s)));
  EXPECT_EQ(host.ends, 2);
}

TEST_F(SaveExitTest, CloseKeepsTheWindowOpenWhenTheSaveFails) {
  QDir().mkpath(dayPath);  // a folder where the day file should go: the save fails
  host.answer = true;
  form->Form_Unload();
  EXPECT_FALSE(host.errors.empty());
  EXPECT_EQ(host.ends, 0);
  EXPECT_FALSE(form->HasEnded());
  host.answer = false;  // the user gives up on saving: now the window closes
  form->Form_Unload();
  EXPECT_EQ(host.ends, 1);
  EXPECT_TRUE(form->HasEnded());
}

// An answer to the close question (キャンセル or はい / いいえ) and what it leads to.
struct CloseCase {
  bool cancel, yes, ends, saves;
};

// キャンセル (and Esc, which gives it) keeps the window open and writes nothing.
TEST_F(SaveExitTest, CloseQuestionHasThreeAnswers) {
  const CloseCase cases[] = {
      {true, true, false, false}, {false, false, true, false}, {false, true, true, true}};
  for (const auto& c : cases) {
    Load(UniformDays(3));
    host.ends = 0;
    host.cancel = c.cancel;
    host.answer = c.yes;
    form->Form_Unload();
    EXPECT_EQ(form->HasEnded(), c.ends);
    EXPECT_EQ(host.ends, int(c.ends));
    EXPECT_EQ(QFile::exists(dayPath), c.saves);
    QFile::remove(dayPath);
  }
}

// 終了 without a change ends at once, as ever; with one it asks the close question.
TEST_F(SaveExitTest, QuitAsksOnlyWithUnsavedChanges) {
  form->click(u"終了"_s);
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(host.ends, 1);

  const CloseCase cases[] = {
      {true, false, false, false}, {false, false, true, false}, {false, true, true, true}};
  for (const auto& c : cases) {
    Load(UniformDays(3));
    host.ends = 0;
    host.questions.clear();
    form->SetNote(Text(u"日付"_s, 0), u"メモ"_s);
    ASSERT_TRUE(form->IsModified());
    host.cancel = c.cancel;
    host.answer = c.yes;
    form->click(u"終了"_s);
    EXPECT_EQ(host.questions, std::vector<QString>{u"データ保存しますか？"_s});
    EXPECT_EQ(form->HasEnded(), c.ends);
    EXPECT_EQ(form->IsModified(), !c.saves);
    EXPECT_EQ(QFile::exists(dayPath), c.saves);
    QFile::remove(dayPath);
  }
}

// A host without a box that can be cancelled is asked yes or no instead.
TEST(HostQuestion, DefaultsToTheYesNoQuestion) {
  struct YesNoHost : Host {
    bool yes = false;
    QDateTime now() const override { return {}; }
    QString programFolder() const override { return {}; }
    void errorBox(const QString&, const QString&) override {}
    bool askYesNo(const QString&) override { return yes; }
    void startupNotice(const QString&) override {}
    void endProgram() override {}
  } host;
  EXPECT_EQ(host.askYesNoCancel(u"?"_s), Host::Answer::No);
  host.yes = true;
  EXPECT_EQ(host.askYesNoCancel(u"?"_s), Host::Answer::Yes);
}

}  // namespace
}  // namespace rdx508::testing
