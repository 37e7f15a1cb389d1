#include "toolkit/cp932.h"

#include "toolkit/cp932_tables.inc"
#include "toolkit/text_file.h"

namespace rdx508::cp932 {

namespace {

using namespace cp932_tables;

// The row of kPair of a lead byte.
size_t PairRow(unsigned char lead) {
  return lead <= 0x9F ? size_t(lead - 0x81) : size_t(lead - 0xE0 + 0x1F);
}

// The bytes of `c` (below 0x100 one byte, else two), 0 when it has none; U+0000 is the byte 0.
unsigned short BytesOf(char16_t c) {
  const unsigned char block = kEncodeBlock[c >> 8];
  return block == 0xFF ? 0 : kEncode[size_t(block) * 256 + (c & 0xFF)];
}

}  // namespace

QString Decode(QByteArrayView bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(text.data());
  qsizetype n = 0;
  const qsizetype size = bytes.size();
  for (qsizetype i = 0; i < size; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (!IsCp932LeadByte(byte)) {
      out[n++] = kSingle[byte];
    } else if (i + 1 < size) {
      const char16_t pair = kPair[PairRow(byte) * 256 + static_cast<unsigned char>(bytes[i + 1])];
      if (pair == 0) {
        out[n++] = kLoneLead;  // the next byte is read on its own
      } else {
        out[n++] = pair;
        ++i;
      }
    }
  }
  text.truncate(n);
  return text;
}

bool CanEncode(char16_t c) {
  return c == 0 || BytesOf(c) != 0;
}

std::optional<QByteArray> Encode(QStringView text, qsizetype* badPosition) {
  QByteArray bytes;
  bytes.reserve(text.size() * 2);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    const unsigned short code = BytesOf(c);
    if (code == 0 && c != 0) {
      if (badPosition) *badPosition = i;
      return std::nullopt;
    }
    if (code >= 0x100) bytes.append(static_cast<char>(code >> 8));
    bytes.append(static_cast<char>(code & 0xFF));
  }
  return bytes;
}

}  // namespace rdx508::cp932
