// What the program keeps and places outside the data files: the display scale for the next
// start, and a second window beside the main one.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ui/display_scale.h"
#include "ui/window_place.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

TEST(DisplayScale, KeptForTheNextStartAndSetBeforeTheApplication) {
  QTemporaryDir dir;
  const QString file = dir.filePath(u"sub/display.ini"_s);
  EXPECT_EQ(StoredScale(file), 100);  // nothing kept yet
  for (const int32_t percent : kScaleChoices) {
    ASSERT_TRUE(StoreScale(file, percent));
    EXPECT_EQ(StoredScale(file), percent);
  }
  EXPECT_FALSE(StoreScale(file, 300));  // not on offer: the kept choice stays
  EXPECT_EQ(StoredScale(file), 200);

  // A file of its own: QSettings keeps what it read of a file until the file's time or size
  // changes, and a rewrite within the clock's tick of the same size changes neither.
  const QString unoffered = dir.filePath(u"sub/unoffered.ini"_s);
  QFile garbage(unoffered);
  ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
  garbage.write("[display]\nscale=175\n");
  garbage.close();
  EXPECT_EQ(StoredScale(unoffered), 100);

  const QByteArray before = qgetenv("QT_SCALE_FACTOR");
  qunsetenv("QT_SCALE_FACTOR");
  ASSERT_TRUE(StoreScale(file, 150));
  ApplyStoredScale(file);
  EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1.5");
  qputenv("QT_SCALE_FACTOR", "2");  // the user's own setting wins
  ApplyStoredScale(file);
  EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "2");
  if (before.isNull())
    qunsetenv("QT_SCALE_FACTOR");
  else
    qputenv("QT_SCALE_FACTOR", before);
}

TEST(PlaceBeside, RightWhereThereIsRoomElseLeftElseNowhere) {
  const QSize chart(1100, 720);
  const struct {
    QRect screen, main;
    std::optional<QRect> place;
  } cases[] = {
      {QRect(0, 0, 1920, 1040), QRect(0, 100, 888, 549), QRect(896, 100, 1024, 720)},  // narrowed to the room
      {QRect(0, 0, 1920, 1040), QRect(1000, 50, 888, 549), QRect(0, 50, 992, 720)},  // more room on the left
      {QRect(0, 0, 1920, 1040), QRect(500, 400, 888, 549), QRect(1396, 320, 524, 720)},  // raised to fit
      {QRect(0, 0, 3000, 1040), QRect(1000, 0, 888, 549), QRect(1896, 0, 1100, 720)},    // the whole size
      {QRect(0, 0, 1280, 1024), QRect(200, 0, 888, 549), std::nullopt},  // no room either side
  };
  for (const auto& c : cases)
    EXPECT_EQ(PlaceBeside(c.main, chart, c.screen), c.place) << c.main.x();
}

}  // namespace
}  // namespace rdx508
