#include "ui/note_text.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

QString ShortenedNote(const QString& note) {
  constexpr qsizetype kShown = 240, kLine = 40;
  const QString shown = note.size() <= kShown ? note : note.left(kShown) + u"…"_s;
  QString lines;
  for (qsizetype at = 0; at < shown.size(); at += kLine)
    lines += (at > 0 ? u"\n"_s : QString()) + shown.mid(at, kLine);
  return lines;
}

QString NoteHeadline(const QString& note) {
  const QString lines = ShortenedNote(note);
  const qsizetype end = lines.indexOf(u'\n');
  if (end < 0) return lines;
  return lines.left(end) + u"…"_s;
}

}  // namespace rdx508
