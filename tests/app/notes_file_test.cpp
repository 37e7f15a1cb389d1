// The notes file: a round trip with commas and Japanese punctuation, damaged lines, and
// the characters a note cannot hold.

#include <QFile>

#include "app/files/notes_file.h"
#include "app_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

using NotesFile = AppFolderTest;

TEST_F(NotesFile, ARoundTripKeepsCommasAndJapanesePunctuation) {
  const Notes notes = {{u"25/01/14"_s, u"日銀会合、利上げ見送り, 円高"_s},
                       {u"25/01/06"_s, u"大発会。「SQ」前,,"_s},
                       {u"24/12/30"_s, u"大納会"_s}};
  const QString text = NotesFileText(notes, QDateTime(QDate(2025, 1, 14), QTime(18, 30)));
  EXPECT_TRUE(text.startsWith(u"1,2,RDX508_F6 202501141830\r\n/* メモ（日付、メモ）\r\n01,001,25/01/14,"_s));
  WriteBytes(PathOf(u"NOTES.TXT"_s), ToCp932(text));
  Notes read;
  EXPECT_EQ(ReadNotesFile(PathOf(u"NOTES.TXT"_s), read), QString());
  EXPECT_EQ(read, notes);
}

TEST_F(NotesFile, ADamagedFileKeepsWhatItCanAndNamesTheFirstBadLine) {
  WriteLines(u"NOTES.TXT"_s, {u"1,2,T"_s, u"/* c"_s, u"01,001,25/01/14,SQ"_s, u"garbage"_s,
                              u"01,002,25/01/10"_s, u"01,003,25/01/09,米雇用統計"_s});
  Notes read;
  const QString report = ReadNotesFile(PathOf(u"NOTES.TXT"_s), read);
  EXPECT_TRUE(report.contains(u"4 行目"_s)) << report.toStdString();
  EXPECT_EQ(read.size(), 2);
  EXPECT_EQ(read.value(u"25/01/09"_s), u"米雇用統計"_s);
  Notes none;
  EXPECT_EQ(ReadNotesFile(PathOf(u"MISSING.TXT"_s), none), QString());
  EXPECT_TRUE(none.isEmpty());
}

TEST(NoteProblem, NamesWhatTheFileCannotHold) {
  EXPECT_EQ(NoteProblem(u"日銀、利上げ"_s), QString());
  EXPECT_TRUE(NoteProblem(u"株価🚀上昇"_s).contains(u"🚀"_s));
  EXPECT_TRUE(NoteProblem(u"한국"_s).contains(u"한"_s));
  EXPECT_FALSE(NoteProblem(u"a\nb"_s).isEmpty());
}

}  // namespace
}  // namespace rdx508::testing
