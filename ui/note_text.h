#pragma once
// A day's note as tool tips and the chart show it: in lines of a readable width, a note
// longer than a screenful cut short (the note itself is always kept whole).

#include <QString>

namespace rdx508 {

// The note in lines of at most 40 characters, cut after 240 with "…".
QString ShortenedNote(const QString& note);

// The first line of ShortenedNote, with "…" when the note goes on: for lists of notes.
QString NoteHeadline(const QString& note);

}  // namespace rdx508
