// The main window's controls as laid out at design time: every label, text box, line
// and button with its position, size, caption, colours, font, alignment and tab order.

#include <array>
#include <utility>

#include "app/series/derived_columns.h"
#include "ui/colours.h"
#include "ui/rdx_f508.h"
#include "ui/screen_tips.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// Tops of the 26 day rows: five blocks of five rows and a single last row.
constexpr std::array<int32_t, 26> kRowTops = {720,  960,  1200, 1440, 1680, 2040, 2280, 2520, 2760,
                                              3000, 3360, 3600, 3840, 4080, 4320, 4680, 4920, 5160,
                                              5400, 5640, 6000, 6240, 6480, 6720, 6960, 7320};
constexpr int32_t kRowHeight = 225;

struct ColumnDesign {
  const char16_t* array;
  int32_t left, width;
  TextAlign align;
  FontKey font;
  const char16_t* placeholder;  // nullptr: the row number in full-width digits
  int32_t forecastTop;
};

constexpr std::array<ColumnDesign, RDX_F508::kColumnCount> kColumns = {{
    {u"連番", 360, 495, TextAlign::Center, FontKey::PG, nullptr, 345},
    {u"日付", 1080, 975, TextAlign::Center, FontKey::G, u"99/99/99", 380},
    {u"TOPIX", 2040, 1215, TextAlign::Right, FontKey::G, u"99,999.99", 380},
    {u"騰落幅", 3360, 975, TextAlign::Right, FontKey::PG, u"9,999.99", 375},
    {u"TP_5日平均", 4440, 1095, TextAlign::Right, FontKey::PG, u"9,999.99", 380},
    {u"TP_25日平均", 5640, 1095, TextAlign::Right, FontKey::PG, u"9,999.99", 380},
    {u"乖離率", 7200, 855, TextAlign::Right, FontKey::G, u"999.9", 360},
    {u"上昇数", 8280, 615, TextAlign::Right, FontKey::G, u"9,999", 375},
    {u"下落数", 9120, 735, TextAlign::Right, FontKey::G, u"9,999", 375},
    {u"上昇率", 10080, 855, TextAlign::Center, FontKey::G, u"99.9", 375},
    {u"上昇率5日平均", 11160, 855, TextAlign::Center, FontKey::G, u"99.9", 375},
    {u"騰落率", 12240, 855, TextAlign::Center, FontKey::G, u"999.9", 375},
}};

struct HeadingDesign {
  int index;
  const char16_t* caption;
  int32_t left, width;
  quint32 back;
  const char16_t* toolTip;
};

constexpr std::array<HeadingDesign, 12> kHeadings = {{
    {9, u"曜　日", 120, 975, 0x00C0FFFF, u"東証・日経・騰落数　追加"},
    {0, u"日　付", 1080, 975, 0x00C0E0FF, u""},
    {1, u"東証平均", 2040, 1335, 0x00C0FFC0, u"東証平均と日経平均切替"},
    {10, DerivedColumnOf(Derived::Change).grid, 3360, 1095, 0x00C0FFC0, u""},
    {2, DerivedColumnOf(Derived::Average5).grid, 4440, 1095, 0x00C0FFC0, u""},
    {3, DerivedColumnOf(Derived::Average25).grid, 5520, 1455, 0x00C0FFC0, u""},
    {11, DerivedColumnOf(Derived::Divergence).grid, 6960, 1215, 0x00C0FFC0, u""},
    {4, u"上昇数", 8160, 855, 0x00FFFFC0, u""},
    {5, u"下落数", 9000, 975, 0x00FFFFC0, u""},
    {6, DerivedColumnOf(Derived::UpRatio).grid, 9960, 1095, 0x00FFFFC0, u"色範囲を変更します"},
    {7, DerivedColumnOf(Derived::UpRatio5).grid, 11040, 1095, 0x00FFFFC0, u"色範囲を変更します"},
    {8, DerivedColumnOf(Derived::AdRatio).grid, 12120, 1095, 0x00FFFFC0, u"色範囲を変更します"},
}};

// Line1 y by index (index 6 lies between the forecast row and row 0).
constexpr std::array<int32_t, 7> kLine1Y = {1920, 3240, 4560, 5880, 7200, 7575, 600};
constexpr std::array<int32_t, 20> kLine2Y = {915,  1155, 1395, 1620, 2220, 2460, 2700, 2940, 3540, 3795,
                                             4020, 4260, 4860, 5115, 5340, 5595, 6195, 6420, 6675, 6915};

QString FullWidthNumber(int n) {
  QString text = QString::number(n);
  for (QChar& c : text)
    c = QChar(char16_t(0xFF10 + (c.unicode() - u'0')));
  return text;
}

Control Label(const QString& array, int index, int32_t left, int32_t top, int32_t width, int32_t height,
              const QString& text) {
  Control c;
  c.array = array;
  c.index = index;
  c.kind = ControlKind::Label;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  c.text = text;
  return c;
}

}  // namespace

int RDX_F508::AddControl(Control c) {
  const int position = int(controls_.size());
  byName_.insert(c.array + u'#' + QString::number(c.index), position);
  controls_.push_back(std::move(c));
  return position;
}

void RDX_F508::BuildLayout() {
  controls_.reserve(512);

  // Headings.
  for (const HeadingDesign& h : kHeadings) {
    Control c = Label(u"見出"_s, h.index, h.left, 60, h.width, 225, QString::fromUtf16(h.caption));
    c.align = TextAlign::Center;
    c.font = FontKey::PG;
    c.foreColor = 0x00C00000;
    c.backColor = h.back;
    c.toolTip = WithExplanation(QString::fromUtf16(h.toolTip), HeadingExplanation(h.index));
    heading_[h.index] = AddControl(std::move(c));
  }

  // Grid columns: cells 0 to 25 are the day rows, 26 the forecast row above them.
  for (int col = 0; col < kColumnCount; ++col) {
    const ColumnDesign& d = kColumns[col];
    columnBase_[col] = int(controls_.size());
    for (int r = 0; r <= kForecastRow; ++r) {
      const bool forecast = r == kForecastRow;
      QString text;
      if (d.placeholder) {
        text = QString::fromUtf16(d.placeholder);
      } else {
        text = forecast ? u"予"_s : FullWidthNumber(r + 1);
      }
      const int32_t top = forecast ? d.forecastTop : kRowTops[r];
      const int32_t height = (forecast && col == kColSeq) ? 240 : kRowHeight;
      Control c = Label(QString::fromUtf16(d.array), r, d.left, top, d.width, height, text);
      c.align = d.align;
      c.font = d.font;
      if (col == kColSeq) {
        c.backColor = 0x00C0FFFF;
        c.foreColor = forecast ? 0x00404040 : 0x00C00000;
        c.opaque = true;
        if (r >= 20 && !forecast) c.toolTip = u"クリックで修正削除可"_s;
        if (forecast) c.toolTip = ForecastRowExplanation();
      } else if (forecast) {
        c.toolTip = ForecastRowExplanation();
        c.backColor = kSysWindowBack;
        c.foreColor = kSysWindowText;
        c.opaque = true;
      } else {
        c.opaque = false;
      }
      AddControl(std::move(c));
    }
  }

  // Separators.
  for (int i = 0; i < int(kLine1Y.size()); ++i) {
    Control c;
    c.array = u"Line1"_s;
    c.index = i;
    c.kind = ControlKind::Line;
    c.left = 360;
    c.top = kLine1Y[i];
    c.width = 13200 - 360;
    c.height = 0;
    c.foreColor = kSysWindowText;
    c.lineStyle = LineStyle::Solid;
    c.opaque = false;
    AddControl(std::move(c));
  }
  for (int i = 0; i < int(kLine2Y.size()); ++i) {
    Control c;
    c.array = u"Line2"_s;
    c.index = i;
    c.kind = ControlKind::Line;
    c.left = 960;
    c.top = kLine2Y[i];
    c.width = 12960 - 960;
    c.height = 0;
    c.foreColor = 0x00808080;
    c.lineStyle = LineStyle::Dotted;
    c.opaque = false;
    AddControl(std::move(c));
  }

  // Scroll arrows.
  struct Arrow {
    const char16_t* caption;
    int32_t top;
    quint32 fore;
  };
  constexpr std::array<Arrow, 4> kArrows = {{
      {u"↑", 6600, 0x00000080},
      {u"↑", 6240, 0x000080FF},
      {u"↓", 1080, 0x00FFFF00},
      {u"↓", 720, 0x00FF0000},
  }};
  for (int i = 0; i < 4; ++i) {
    Control c = Label(u"移動"_s, i, 0, kArrows[i].top, 255, 615, QString::fromUtf16(kArrows[i].caption));
    c.align = TextAlign::Center;
    c.font = FontKey::A;
    c.backColor = 0x00FFFFFF;
    c.foreColor = kArrows[i].fore;
    // The five-day arrows at the outer ends overlap their one-day neighbours; they stay
    // above them so that both glyphs of a pair can be seen.
    if (i == 0 || i == 3) c.z = 1;
    c.toolTip = ScrollArrowExplanation(i);
    const int position = AddControl(std::move(c));
    if (i == 0) scrollArrowBase_ = position;
  }

  // Forecast arrows, flanking 連番(26).
  for (int i = 0; i < 2; ++i) {
    Control c = Label(u"上下"_s, i, i == 0 ? 120 : 840, 360, 255, 255, i == 0 ? u"↑"_s : u"↓"_s);
    c.align = TextAlign::Center;
    c.font = FontKey::B;
    c.backColor = 0x00FFFFFF;
    c.foreColor = i == 0 ? kPaleRed : kPaleBlue;
    c.toolTip = WithExplanation(i == 0 ? u"上昇変更"_s : u"下落変更"_s, ForecastArrowExplanation(i));
    const int position = AddControl(std::move(c));
    if (i == 0) forecastArrowBase_ = position;
  }

  // Colour-range strip.
  {
    Control c = Label(u"色見本題名"_s, 0, 120, 7800, 1095, 270, u"上昇率"_s);
    c.backColor = 0x00FFFFC0;
    c.foreColor = 0x00C00000;
    c.align = TextAlign::Center;
    c.font = FontKey::PG;
    c.toolTip = u"色範囲を反映します"_s;
    subjectTitle_ = AddControl(std::move(c));
  }
  struct Band {
    int32_t boxLeft;
    const char16_t* limit;
    quint32 back, boxFore;
    int32_t sampleLeft;
  };
  constexpr std::array<Band, 6> kBands = {{
      {1440, u"20", 0x00FF8080, 0x00FFFFFF, 1950},
      {2460, u"45", 0x00FFC0C0, 0x00400000, 2955},
      {3465, u"50", 0x00FFFFC0, 0x00404000, 3975},
      {4485, u"55", 0x00C0E0FF, 0x00008000, 4995},
      {5490, u"60", 0x00C0C0FF, 0x00000080, 6000},
      {6510, u"80", 0x008080FF, 0x00000000, 7020},
  }};
  for (int i = 0; i < 6; ++i) {
    Control box =
        Label(u"範囲指定"_s, i, kBands[i].boxLeft, 7800, 495, 270, QString::fromUtf16(kBands[i].limit));
    box.kind = ControlKind::TextBox;
    box.backColor = kBands[i].back;
    box.foreColor = kBands[i].boxFore;
    box.align = TextAlign::Center;
    box.font = FontKey::PG;
    box.tabIndex = 321 + i;
    box.input = InputKind::Number;
    limit_[i] = AddControl(std::move(box));

    Control sample = Label(u"色見本"_s, i, kBands[i].sampleLeft, 7800, 495, 270, u"以下"_s);
    sample.backColor = kBands[i].back;
    sample.foreColor = 0x00000000;
    sample.font = FontKey::G;
    legend_[i] = AddControl(std::move(sample));
  }
  {
    Control c = Label(u"色見本"_s, 7, 7560, 7800, 495, 270, u"80"_s);
    c.backColor = 0x000000AF;
    c.foreColor = 0x00FFFFFF;
    c.align = TextAlign::Center;
    c.font = FontKey::PG;
    legend_[7] = AddControl(std::move(c));
  }
  {
    Control c = Label(u"色見本"_s, 6, 8160, 7800, 495, 270, u"超過"_s);
    c.backColor = 0x000000C0;
    c.foreColor = 0x00000000;
    c.font = FontKey::G;
    legend_[6] = AddControl(std::move(c));
  }

  // Buttons.
  {
    Control c = Label(u"データ保存"_s, -1, 10080, 7800, 1335, 330, u"データ保存"_s);
    c.kind = ControlKind::Button;
    c.tabIndex = 1;
    saveButton_ = AddControl(std::move(c));
  }
  {
    Control c = Label(u"終了"_s, -1, 11760, 7800, 1335, 330, u"終　了"_s);
    c.kind = ControlKind::Button;
    c.tabIndex = 0;
    quitButton_ = AddControl(std::move(c));
  }
  {
    // Opens the chart window; in the free room between the legend (超過 ends at 8655) and
    // データ保存, as tall as the other buttons.
    Control c = Label(u"チャート"_s, -1, 8760, 7800, 1095, 330, u"チャート"_s);
    c.kind = ControlKind::Button;
    c.toolTip = u"チャートを開きます (Ctrl+G)"_s;
    c.tabIndex = 2;
    AddControl(std::move(c));
  }

  // Entry panel (hidden by the first refresh).
  struct PanelDesign {
    const char16_t* array;
    int32_t left, top, width, height;
    const char16_t* text;
    quint32 back;
    const char16_t* toolTip;
  };
  constexpr std::array<PanelDesign, 9> kPanelLabels = {{
      {u"修正", 4200, 8400, 495, 225, u"修正", 0x0080FF80, u""},
      {u"削除", 4680, 8400, 495, 225, u"削除", 0x0080C0FF, u""},
      {u"する", 5160, 8400, 495, 225, u"Yes", 0x000000FF, u""},
      {u"しない", 5640, 8400, 375, 225, u"No", 0x0000FF00, u""},
      {u"日付修正", 6120, 8280, 975, 225, u"日付", 0x00C0E0FF, u""},
      {u"TOPIX修正", 7200, 8280, 1095, 225, u"TOPIX", 0x00C0FFC0, u""},
      {u"日経修正", 8400, 8280, 1095, 225, u"日経平均", 0x00C0FFC0, u""},
      {u"上昇数修正", 9600, 8280, 1095, 225, u"上昇数", 0x00FFFFC0, u"上昇数"},
      {u"下落数修正", 10800, 8280, 1095, 225, u"下落数", 0x00FFFFC0, u"下落数"},
  }};
  for (int i = 0; i < int(kPanelLabels.size()); ++i) {
    const PanelDesign& p = kPanelLabels[i];
    Control c =
        Label(QString::fromUtf16(p.array), -1, p.left, p.top, p.width, p.height, QString::fromUtf16(p.text));
    c.backColor = p.back;
    c.foreColor = 0x00C00000;
    c.align = TextAlign::Center;
    c.toolTip = QString::fromUtf16(p.toolTip);
    // Yes and No take the focus by tab, between the buttons and the input boxes, so that a
    // panel can be confirmed or cancelled from the keyboard.
    if (i == kPanYes) c.tabIndex = 8;
    if (i == kPanNo) c.tabIndex = 9;
    panel_[i] = AddControl(std::move(c));
  }
  constexpr std::array<PanelDesign, 5> kPanelInputs = {{
      {u"日付修正入力", 6120, 8520, 975, 255, u"", kSysWindowBack, u"日付入力"},
      {u"TOPIX修正入力", 7200, 8520, 1095, 285, u"", kSysWindowBack, u"TOPIX入力"},
      {u"日経修正入力", 8400, 8520, 1095, 285, u"", kSysWindowBack, u"日経平均入力"},
      {u"上昇数修正入力", 9600, 8520, 1095, 285, u"", kSysWindowBack, u"上昇数入力"},
      {u"下落数修正入力", 10800, 8520, 1095, 285, u"", kSysWindowBack, u"下落数入力"},
  }};
  constexpr std::array<int32_t, 5> kInputTabs = {10, 11, 12, 20, 30};
  // What an empty box shows in grey; the two index boxes follow the index mode (SetValueTips).
  constexpr std::array<const char16_t*, 5> kPanelPlaceholders = {u"日付", u"東証平均", u"日経平均", u"上昇数",
                                                                 u"下落数"};
  for (int i = 0; i < int(kPanelInputs.size()); ++i) {
    const PanelDesign& p = kPanelInputs[i];
    Control c = Label(QString::fromUtf16(p.array), -1, p.left, p.top, p.width, p.height, QString());
    c.kind = ControlKind::TextBox;
    c.backColor = p.back;
    c.foreColor = kSysWindowText;
    c.font = FontKey::G;
    c.toolTip = QString::fromUtf16(p.toolTip);
    c.tabIndex = kInputTabs[i];
    c.input = i == 0 ? InputKind::Date : InputKind::Number;
    c.placeholder = QString::fromUtf16(kPanelPlaceholders[size_t(i)]);
    panelTips_[kPanelLabels.size() + i] = c.toolTip;
    panel_[kPanelLabels.size() + i] = AddControl(std::move(c));
  }
}

}  // namespace rdx508
