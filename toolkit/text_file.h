#pragma once
// Code page 932 text files, for the utility class and the program's own files: path
// spelling, whole-file reading, the readers' line limit and line splitting, decoding, and
// what the code page cannot hold (the code page itself: toolkit/cp932.h). Failures carry
// the number and description that the library's error box shows.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <vector>

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

// Whether a byte of code page 932 opens a double-byte character.
inline bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A reader keeps the first this many lines of a file and reads no further.
inline constexpr int32_t kMaxKeptLines = 32768;

// The lines of `text` that a reader keeps, as views into it: at most kMaxKeptLines. Lines
// end at CR LF, a lone LF or a lone CR; a line end at the very end opens no further line.
// A line for which passOver(line) holds (a comment) is left out and not counted.
std::vector<QStringView> KeptLines(QStringView text, bool (*passOver)(QStringView) = nullptr);

// The kept lines of a code page 932 text file, each its own text; nullopt when the file
// cannot be read.
std::optional<std::vector<QString>> ReadKeptLines(const QString& path);

}  // namespace rdx508
