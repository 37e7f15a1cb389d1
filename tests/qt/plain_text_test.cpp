// Cell texts drawn straight from the glyphs must be the very pixels drawText gives, in
// every layout font and alignment, fitting or clipped; texts that need the text engine
// are left to it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "ui/control.h"
#include "ui/qt/fonts.h"
#include "ui/qt/plain_text.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

// The text drawn one way or the other at the screen's pixel ratio; nullopt when the
// direct way declined.
std::optional<QImage> Drawn(const QFont& font, const QSize& size, Qt::Alignment align, const QString& text,
                            bool direct) {
  const qreal ratio = qApp->devicePixelRatio();
  QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QRect rect(QPoint(0, 0), size);
  if (!direct) {
    painter.drawText(rect, int(align | Qt::AlignTop | Qt::TextSingleLine), text);
  } else if (!DrawPlainText(painter, rect, align, font, text)) {
    return std::nullopt;
  }
  return image;
}

TEST(PlainText, DrawsTheSamePixelsAsDrawText) {
  const QStringList texts = {u"24/12/27"_s,   u"2,650.12"_s,        u"-1,234,567.5"_s, u"▲12.3 ▼"_s,
                             u"騰落レシオ"_s, u"ＴＯＰＩＸ 25日"_s, u"ｶﾌｼｷ"_s,         u"日経平均 "_s,
                             u" 0.00"_s,      u"AVWAVij"_s};
  for (FontKey key : {FontKey::Default, FontKey::G, FontKey::PG, FontKey::A, FontKey::B}) {
    const QFont font = LayoutFont(key);
    for (Qt::Alignment align : {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight}) {
      for (const QSize size : {QSize(120, 40), QSize(23, 12)}) {  // fitting, and clipped
        for (const QString& text : texts) {
          const auto direct = Drawn(font, size, align, text, true);
          ASSERT_TRUE(direct) << text.toStdString();
          EXPECT_TRUE(*direct == *Drawn(font, size, align, text, false))
              << text.toStdString() << " font " << int(key) << " align " << int(align) << " width "
              << size.width();
        }
      }
    }
  }
}

TEST(PlainText, LeavesToTheTextEngineWhatNeedsIt) {
  const QFont font = LayoutFont(FontKey::G);
  // Arabic is shaped and runs right to left; a combining mark joins the letter before it;
  // a control character and a face's missing glyph need the engine's fallbacks.
  for (const QString& text : {u"سلام"_s, u"か\u3099"_s, u"a\u001Ab"_s, u"😀"_s, u"e\u0301"_s})
    EXPECT_FALSE(Drawn(font, QSize(80, 20), Qt::AlignLeft, text, true)) << text.toStdString();
}

}  // namespace
}  // namespace rdx508::testing
