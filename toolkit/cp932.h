#pragma once
// Code page 932 by tables that the build takes from Qt's converter (toolkit/generate):
// the converter's mapping exactly, without loading the converter and its library data
// when the program starts.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace rdx508::cp932 {

// Decodes as QStringDecoder("CP932") does without state: a byte that opens no character
// reads as U+001A, an unassigned pair as U+FFFD, a lead byte at the very end as nothing.
QString Decode(QByteArrayView bytes);

// Whether the code page holds the character `c` (a surrogate never).
bool CanEncode(char16_t c);

// Encodes as QStringEncoder("CP932") does; nullopt when a character cannot be held, with
// the position of the first such character.
std::optional<QByteArray> Encode(QStringView text, qsizetype* badPosition = nullptr);

}  // namespace rdx508::cp932
