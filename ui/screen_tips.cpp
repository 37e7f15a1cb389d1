#include "ui/screen_tips.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// By heading index (見出(0) ... (11)).
constexpr std::array<const char16_t*, 12> kHeadings = {
    u"その日の日付（年/月/日）。日付をクリックするとその日を削除できます。\n"
    u"右上の赤い三角はメモのある日、黄色の地は休業日か休業日リストの範囲外の日です。",
    u"指数の終値（東証平均はポイント、日経平均は円）。\n"
    u"文字の色：赤＝5日平均と25日平均の両方より上、緑＝5日平均だけより上、\n"
    u"オリーブ＝25日平均だけより上、青＝両方より下。",
    u"指数の直近5日の平均（単位は指数と同じ）。\n"
    u"文字の色：紫＝前の日より上がった、青＝前の日より下がった、黒＝変わらない。",
    u"指数の直近25日の平均（単位は指数と同じ）。\n"
    u"文字の色：紫＝前の日より上がった、青＝前の日より下がった、黒＝変わらない。",
    u"値上がりした銘柄の数（銘柄）。",
    u"値下がりした銘柄の数（銘柄）。",
    u"上昇率：上昇数 ÷（上昇数＋下落数）（%）。\n"
    u"地の色は画面下の色見本の帯で、帯の境は範囲指定の数値です。",
    u"上昇率の5日平均：直近5日の上昇数の合計 ÷ 上昇数と下落数の合計（%）。\n"
    u"左の「５日平均」は指数の平均、こちらは上昇率の平均です。地の色は色見本の帯です。",
    u"騰落レシオ：直近25日の上昇数の合計 ÷ 下落数の合計（%）。100 を超えると上昇した銘柄が多い。\n"
    u"地の色は色見本の帯です。",
    u"曜日（月は紫、金は青の文字）。曜日をクリックするとその日を修正できます（F2、右クリック）。",
    u"前の日からの指数の変化（ポイントまたは円）。赤の + は上昇、青は下落です。",
    u"乖離：指数の25日平均からの離れ具合（‰、千分率：10.0 は 1.0 %）。\n"
    u"赤は平均より上、青は平均より下です。",
};

constexpr std::array<const char16_t*, 4> kScrollArrows = {
    u"5日古い日へ（PgDown）。濃い色の矢印は5日、明るい色の矢印は1日ずつ動きます。",
    u"1日古い日へ（↓キー）。",
    u"1日新しい日へ（↑キー）。",
    u"5日新しい日へ（PgUp）。濃い色の矢印は5日、明るい色の矢印は1日ずつ動きます。",
};

constexpr std::array<const char16_t*, 2> kForecastArrows = {
    u"予想の言葉を一段強気にします。濃い赤のときが最後に使った向きです。",
    u"予想の言葉を一段弱気にします。濃い青のときが最後に使った向きです。",
};

}  // namespace

QString HeadingExplanation(int index) {
  if (index < 0 || index >= int(kHeadings.size())) return {};
  return QString::fromUtf16(kHeadings[size_t(index)]);
}

QString ForecastRowExplanation() {
  return u"予想の行：次の営業日に、左の言葉（↑↓で選ぶ相場の強さ）のとおりに動いたときの各列の値です。\n"
         u"言葉をクリックすると最後の向きにもう一段進みます。"_s;
}

QString ScrollArrowExplanation(int arrow) {
  if (arrow < 0 || arrow >= int(kScrollArrows.size())) return {};
  return QString::fromUtf16(kScrollArrows[size_t(arrow)]);
}

QString ForecastArrowExplanation(int direction) {
  if (direction < 0 || direction >= int(kForecastArrows.size())) return {};
  return QString::fromUtf16(kForecastArrows[size_t(direction)]);
}

QString WithExplanation(const QString& tip, const QString& explanation) {
  if (tip.isEmpty()) return explanation;
  if (explanation.isEmpty()) return tip;
  return tip + u'\n' + explanation;
}

}  // namespace rdx508
