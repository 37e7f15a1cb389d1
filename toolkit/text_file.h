#pragma once
// Code page 932 text files for the utility class: path spelling, whole-file reading,
// line splitting and encoding. Failures carry the number and description that the
// library's error box shows.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <functional>
#include <optional>

namespace rdx508 {

struct FileFailure {
  int32_t number = 0;
  QString description;
};

// A path as the platform opens it: "\" separates path parts like "/".
QString PlatformPath(const QString& path);

// The whole content of a regular file; nullopt (and the reason) when it is missing, a
// folder or cannot be read.
std::optional<QByteArray> ReadFileBytes(const QString& path, FileFailure* failure = nullptr);

// Decodes code page 932 without holding back a truncated final double-byte character.
QString DecodeCp932(QByteArrayView bytes);

// Turns the decoder's replacement character (U+FFFD, for an unassigned double-byte code)
// into U+001A, the character every other undecodable byte reads as, so that any text
// read from a file can be written back.
void SubstituteUndecodable(QString& text);

// Turns every character that code page 932 cannot hold into U+001A: for text read in
// another encoding, so that what was read can always be saved again.
void SubstituteUnencodable(QString& text);

// Encodes to code page 932; nullopt when a character cannot be held, with its position.
std::optional<QByteArray> EncodeCp932(const QString& text, qsizetype* badPosition = nullptr);

// Calls take(line) for each line of text; lines end at CR LF, a lone LF or a lone CR. A
// line end at the very end opens no further line. take returns false to stop early.
void ForEachLine(QStringView text, const std::function<bool(QStringView)>& take);

}  // namespace rdx508
