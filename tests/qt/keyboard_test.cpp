// Keyboard handling of the window: Enter and Escape in the entry panel's input boxes,
// the refused date, and the tab order.

#include <gtest/gtest.h>
#include <QLineEdit>

#include "open_window.h"

namespace rdx508::testing {
namespace {

class PanelKeys : public ::testing::TestWithParam<const char16_t*> {
 protected:
  QString box() const { return QString::fromUtf16(GetParam()); }
};

TEST_P(PanelKeys, EnterConfirmsTheAddPanel) {
  OpenWindow w;
  const int32_t days = w.model->series().DayCnt;
  w.click(QStringLiteral("見出"), 9);
  const QString date = w.model->control(QStringLiteral("日付修正入力")).text;
  w.type(QStringLiteral("TOPIX修正入力"), QStringLiteral("2000"));
  w.key(box(), Qt::Key_Return);
  EXPECT_EQ(w.model->series().DayCnt, days + 1);
  EXPECT_EQ(w.model->series().Days[1].Date, date);
  EXPECT_FALSE(w.widget(QStringLiteral("する"))->isVisible());
}

TEST_P(PanelKeys, EscapeCancelsTheAddPanel) {
  OpenWindow w;
  const int32_t days = w.model->series().DayCnt;
  w.click(QStringLiteral("見出"), 9);
  w.type(box(), QStringLiteral("123"));
  w.key(box(), Qt::Key_Escape);
  EXPECT_EQ(w.model->series().DayCnt, days);
  EXPECT_FALSE(w.widget(QStringLiteral("する"))->isVisible());
  EXPECT_FALSE(w.widget(box())->isVisible());
  EXPECT_TRUE(w.widget(QStringLiteral("データ保存"))->isEnabled());
  EXPECT_EQ(QApplication::focusWidget(), w.widget(QStringLiteral("終了")));
}

std::string BoxName(const ::testing::TestParamInfo<const char16_t*>& info) {
  const char* const names[] = {"Date", "First", "Second", "Up", "Down"};
  return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(InputBoxes, PanelKeys,
                         ::testing::Values(u"日付修正入力", u"TOPIX修正入力", u"日経修正入力",
                                           u"上昇数修正入力", u"下落数修正入力"),
                         BoxName);

TEST(Keyboard, EnterOnAPresentDateKeepsThePanelOpenWithTheDateInRed) {
  OpenWindow w;
  const int32_t days = w.model->series().DayCnt;
  w.click(QStringLiteral("見出"), 9);
  w.type(QStringLiteral("日付修正入力"), w.model->series().Days[1].Date);
  w.key(QStringLiteral("日付修正入力"), Qt::Key_Return);
  EXPECT_EQ(w.model->series().DayCnt, days);
  auto* dateBox = qobject_cast<QLineEdit*>(w.widget(QStringLiteral("日付修正入力")));
  EXPECT_TRUE(dateBox->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), dateBox);
  EXPECT_EQ(dateBox->palette().color(QPalette::Text), QColor(0xC0, 0, 0));
  w.key(QStringLiteral("日付修正入力"), Qt::Key_Escape);  // closing restores the colour
  EXPECT_NE(dateBox->palette().color(QPalette::Text), QColor(0xC0, 0, 0));
}

// Enter and Escape mean nothing in the colour-range boxes: no panel opens or closes and
// no limit is stored before 色見本題名 is clicked.
TEST(Keyboard, EnterInARangeBoxCommitsNothing) {
  OpenWindow w;
  const Value limit = w.model->Range(0, 0);
  w.click(QStringLiteral("日付"), 1);  // a delete panel is open
  w.type(QStringLiteral("範囲指定"), QStringLiteral("33"), 0);
  w.key(QStringLiteral("範囲指定"), Qt::Key_Return, 0);
  w.key(QStringLiteral("範囲指定"), Qt::Key_Escape, 0);
  EXPECT_TRUE(w.widget(QStringLiteral("削除"))->isVisible());
  EXPECT_EQ(w.model->Range(0, 0), limit);
  EXPECT_EQ(w.model->control(QStringLiteral("範囲指定"), 0).text, QStringLiteral("33"));
}

TEST(Keyboard, TabFollowsTheLayoutsTabOrder) {
  OpenWindow w;
  w.click(QStringLiteral("見出"), 9);  // shows the panel's input boxes
  QStringList expected = {QStringLiteral("終了"),           QStringLiteral("データ保存"),
                          QStringLiteral("チャート"),       QStringLiteral("する"),
                          QStringLiteral("しない"),         QStringLiteral("日付修正入力"),
                          QStringLiteral("TOPIX修正入力"),  QStringLiteral("日経修正入力"),
                          QStringLiteral("上昇数修正入力"), QStringLiteral("下落数修正入力")};
  std::vector<QWidget*> chain;
  for (const QString& name : expected)
    chain.push_back(w.widget(name));
  for (int k = 0; k <= 5; ++k)
    chain.push_back(w.widget(QStringLiteral("範囲指定"), k));
  QWidget* at = chain.front();
  for (size_t k = 1; k < chain.size(); ++k) {
    do {
      at = at->nextInFocusChain();
    } while (!(at->focusPolicy() & Qt::TabFocus) && at != chain.front());
    EXPECT_EQ(at, chain[k]) << "tab stop " << k;
  }
}

}  // namespace
}  // namespace rdx508::testing
