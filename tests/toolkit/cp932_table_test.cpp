// The code page 932 tables against Qt's converter they were taken from: every byte, every
// pair and every character, and random texts, must come out the same.

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>

#include "toolkit/cp932.h"

namespace rdx508::testing {
namespace {

QString QtDecode(QByteArrayView bytes) {
  return QStringDecoder("CP932", QStringDecoder::Flag::Stateless).decode(bytes);
}

std::optional<QByteArray> QtEncode(QStringView text) {
  QStringEncoder encoder("CP932", QStringEncoder::Flag::Stateless);
  QByteArray bytes = encoder.encode(text);
  if (encoder.hasError()) return std::nullopt;
  return bytes;
}

TEST(Cp932Table, DecodesEveryByteAndPairAsQt) {
  for (int first = 0; first < 256; ++first) {
    const char one[] = {static_cast<char>(first)};
    ASSERT_EQ(cp932::Decode(QByteArrayView(one, 1)), QtDecode(QByteArrayView(one, 1))) << first;
    for (int second = 0; second < 256; ++second) {
      const char two[] = {static_cast<char>(first), static_cast<char>(second)};
      ASSERT_EQ(cp932::Decode(QByteArrayView(two, 2)), QtDecode(QByteArrayView(two, 2)))
          << first << " " << second;
    }
  }
}

TEST(Cp932Table, EncodesEveryCharacterAsQt) {
  for (int c = 0; c < 0x10000; ++c) {
    const char16_t unit = static_cast<char16_t>(c);
    const QStringView text(&unit, 1);
    ASSERT_EQ(cp932::Encode(text), QtEncode(text)) << c;
    ASSERT_EQ(cp932::CanEncode(unit), QtEncode(text).has_value()) << c;
  }
  // Nothing beyond U+FFFF, whole or broken.
  for (const QString& text :
       {QString::fromUcs4(U"a\U0001F600"), QStringLiteral("a\xD83D"), QStringLiteral("\xDE00")}) {
    qsizetype bad = -1;
    EXPECT_FALSE(cp932::Encode(text, &bad));
    EXPECT_FALSE(QtEncode(text));
    EXPECT_EQ(bad, text.size() == 1 ? 0 : 1);
  }
}

// Random texts, most bytes from the lead and trail ranges, where the pairs and the bytes
// that break them meet.
TEST(Cp932Table, RandomTextsComeOutAsFromQt) {
  QRandomGenerator random(932);
  for (int round = 0; round < 20000; ++round) {
    QByteArray bytes;
    const int size = random.bounded(24);
    for (int i = 0; i < size; ++i) {
      const int kind = random.bounded(4);
      bytes.append(static_cast<char>(kind == 0   ? random.bounded(0x80)
                                     : kind == 1 ? 0x81 + random.bounded(0x1F)
                                                 : random.bounded(256)));
    }
    const QString text = QtDecode(bytes);
    ASSERT_EQ(cp932::Decode(bytes), text) << bytes.toHex().toStdString();
    ASSERT_EQ(cp932::Encode(text), QtEncode(text)) << bytes.toHex().toStdString();
  }
}

}  // namespace
}  // namespace rdx508::testing
