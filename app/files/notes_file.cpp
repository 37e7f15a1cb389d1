#include "app/files/notes_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/files/companion_files.h"
#include "app/files/file_lines.h"
#include "calendar/date_text.h"
#include "toolkit/cp932.h"
#include "toolkit/numeric.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

const QString kCrLf = u"\r\n"_s;

// A data line: section 1, a row number, the date, and the note (everything after the
// third comma, commas included).
bool ParseNoteLine(QStringView line, Notes& notes) {
  const qsizetype first = line.indexOf(u','), second = line.indexOf(u',', first + 1),
                  third = second < 0 ? -1 : line.indexOf(u',', second + 1);
  if (first < 0 || second < 0 || third < 0) return false;
  if (RoundToInt32(ParseNumber(line.left(first)).value_or(0)) != 1) return false;
  if (!ParseNumber(line.mid(first + 1, second - first - 1))) return false;
  const QStringView date = line.mid(second + 1, third - second - 1);
  const QStringView note = line.mid(third + 1);
  if (date.isEmpty()) return false;
  if (!note.isEmpty()) notes.insert(date.toString(), note.toString());  // an empty note is none
  return true;
}

}  // namespace

QString NotesFileText(const Notes& notes, const QDateTime& now) {
  QString text = u"1,2,RDX508_F6 "_s + now.toString(u"yyyyMMddHHmm"_s) + kCrLf;
  text += u"/* メモ（日付、メモ）"_s + kCrLf;
  QList<QString> dates = notes.keys();
  std::stable_sort(dates.begin(), dates.end(),
                   [](const QString& a, const QString& b) { return IsEarlierDate(b, a); });
  int row = 0;
  for (const QString& date : dates)
    text +=
        u"01,"_s + QString::number(++row).rightJustified(3, u'0') + u',' + date + u',' + notes[date] + kCrLf;
  return text;
}

QString ReadNotesFile(const QString& path, Notes& notes) {
  notes.clear();
  const QString name = PlatformPath(path);
  const QFileInfo info(name);
  if (name.isEmpty() || !info.exists()) return {};
  const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
  QFile file(name);
  if (info.isDir() || !file.open(QIODevice::ReadOnly))
    return u"メモファイル %1 を読めません（%2）。"_s.arg(
        shown, info.isDir() ? u"フォルダです"_s : file.errorString());

  qint64 firstBad = 0, badLines = 0;
  bool headerSeen = false;
  const bool complete = ForEachTextLine(file, [&](qint64 number, QStringView line, bool cut) {
    if (line.startsWith(u"/*")) return;
    if (!headerSeen) {  // the header's title is free; its counts are not needed to read on
      headerSeen = true;
      return;
    }
    if (line.trimmed().isEmpty()) return;
    if (cut || !ParseNoteLine(line, notes)) {
      if (badLines++ == 0) firstBad = number;
    }
  });
  if (!complete)
    return u"メモファイル %1 を最後まで読めませんでした（%2）。"_s.arg(shown, file.errorString());
  if (badLines == 0) return {};
  return u"メモファイル %1 の %2 行目はメモとして読めない行です（読めない行は全部で %3 行）。"_s.arg(shown)
      .arg(firstBad)
      .arg(badLines);
}

QString LoadNotes(CLB_C1& clb, const Table3& INI, Notes& notes) {
  const QString path = NotesFilePath(INI, clb.host().programFolder());
  if (path.isEmpty()) {
    notes.clear();
    return {};
  }
  return ReadNotesFile(path, notes);
}

QString NoteProblem(const QString& text) {
  if (text.contains(u'\n') || text.contains(u'\r')) return u"メモに改行は入れられません。"_s;
  qsizetype bad = 0;
  if (!cp932::Encode(text, &bad)) {
    const QString character = text.mid(bad, text[bad].isHighSurrogate() ? 2 : 1);
    return u"「%1」はファイルに保存できない文字です（シフトJIS にない文字）。"_s.arg(character);
  }
  return {};
}

}  // namespace rdx508
