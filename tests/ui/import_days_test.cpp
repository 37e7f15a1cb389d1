// Importing days into the window: the grid keeps its scroll place within the new limits,
// an open panel closes, and an import that changes nothing leaves the window as it was.

#include "app/csv_import.h"
#include "form_fixture.h"

namespace rdx508::testing {
namespace {

using ImportDaysTest = FormTest;

TEST_F(ImportDaysTest, RedrawsAtTheSameScrollPlace) {
  Load(UniformDays(60));      // newest 07/03/14; the grid scrolls to offset 9 at most
  form->click(u"移動"_s, 0);  // 5 days
  for (int i = 0; i < 4; ++i)
    form->click(u"移動"_s, 1);  // 1 day
  ASSERT_EQ(form->GridOffset(), 9);
  form->click(u"見出"_s, 9);  // the add panel
  ASSERT_TRUE(PanelOpen());

  const CsvImport file = ParseCsvImport(
      "date,topix,up,down\n2007/03/15,1001,1,2\n2007/03/16,1002,3,4\n2007/03/14,5,5,5\n", u"f.csv"_s);
  const ImportResult result = form->ImportDays(file.days, ImportMode::NewOnly);
  EXPECT_EQ(result.added, 2);
  EXPECT_EQ(result.overwritten, 0);
  EXPECT_FALSE(PanelOpen());
  EXPECT_EQ(form->series().DayCnt, 62);
  EXPECT_EQ(form->GridOffset(), 9);
  EXPECT_EQ(Text(u"日付"_s, 0), form->series().Days[10].Date);

  form->click(u"見出"_s, 9);
  EXPECT_FALSE(form->ImportDays(file.days, ImportMode::NewOnly).changed());
  EXPECT_TRUE(PanelOpen());
  EXPECT_EQ(form->ImportDays(file.days, ImportMode::Overwrite).overwritten, 1);
  EXPECT_EQ(form->series().Days[3].Topix, 5);
}

}  // namespace
}  // namespace rdx508::testing
