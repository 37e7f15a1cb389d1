#include "ui/accessible_text.h"

#include <QHash>

#include "ui/colours.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// The colour subject each banded column is painted by, as the colour-range table numbers them.
int SubjectOfColumn(const QString& array) {
  if (array == u"上昇率") return 0;
  if (array == u"上昇率5日平均") return 1;
  if (array == u"騰落率") return 2;
  return -1;
}

// Whether two controls overlap horizontally at the middle of `cell`.
bool Heads(const Control& heading, const Control& cell) {
  const int32_t middle = cell.left + cell.width / 2;
  return heading.left <= middle && middle < heading.left + heading.width;
}

const Control* Find(const RDX_F508& form, const QString& array, int index = -1) {
  for (const Control& c : form.controls())
    if (c.array == array && c.index == index) return &c;
  return nullptr;
}

QString PanelAction(const RDX_F508& form) {
  const Control* remove = Find(form, u"削除"_s);
  if (remove && remove->visible) return remove->text;
  const Control* modify = Find(form, u"修正"_s);
  return modify ? modify->text : QString();
}

// The value an entry-panel box or label holds, by the index mode for the two index boxes.
QString PanelValue(const RDX_F508& form, const QString& array) {
  const bool topix = form.IndexMode() == 0;
  if (array.startsWith(u"日付")) return u"日付"_s;
  if (array.startsWith(u"TOPIX")) return topix ? u"東証平均"_s : u"日経平均"_s;
  if (array.startsWith(u"日経")) return topix ? u"日経平均"_s : u"東証平均"_s;
  if (array.startsWith(u"上昇数")) return u"上昇数"_s;
  if (array.startsWith(u"下落数")) return u"下落数"_s;
  return {};
}

}  // namespace

GridShape GridShapeOf(const RDX_F508& form) {
  const std::vector<Control>& controls = form.controls();
  GridShape shape;
  shape.inGrid.assign(controls.size(), false);
  QHash<QString, size_t> columnOf;
  for (size_t i = 0; i < controls.size(); ++i) {
    const Control& c = controls[i];
    if (c.kind != ControlKind::Label || c.index < 0 || c.index > RDX_F508::kForecastRow) continue;
    if (form.GridRowOf(c.array, 0) < 0) continue;  // not a column of the grid
    auto at = columnOf.find(c.array);
    if (at == columnOf.end()) {
      at = columnOf.insert(c.array, shape.columns.size());
      shape.columns.emplace_back();
      shape.columns.back().cells.assign(RDX_F508::kForecastRow + 1, -1);
    }
    shape.columns[*at].cells[size_t(c.index)] = int(i);
    shape.inGrid[i] = true;
  }
  for (size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].array != u"見出") continue;
    shape.inGrid[i] = true;
    for (GridShape::Column& column : shape.columns)
      if (column.heading < 0 && Heads(controls[i], controls[size_t(column.cells.front())]))
        column.heading = int(i);
  }
  return shape;
}

QString HeadingWords(const QString& caption) {
  QString words = caption;
  words.remove(QChar(0x3000));
  return words;
}

QString BandWords(const RDX_F508& form, const GridShape& shape, int column, const Control& cell) {
  if (!cell.opaque || cell.text.isEmpty() || column < 0 || column >= int(shape.columns.size())) return {};
  const int subject =
      SubjectOfColumn(form.controls()[size_t(shape.columns[size_t(column)].cells.front())].array);
  if (subject < 0) return {};
  for (int band = 0; band < 6; ++band) {
    const Control* box = Find(form, u"範囲指定"_s, band);
    if (box && box->backColor == cell.backColor) return form.Range(subject, band).toText() + u" 以下"_s;
  }
  const Control* over = Find(form, u"色見本"_s, 7);
  if (over && over->backColor == cell.backColor) return u"超過"_s;
  return {};
}

QString AccessibleName(const RDX_F508& form, const Control& c) {
  static const QHash<QString, QString> kFixed = {
      {u"移動#0"_s, u"5日古い日へ"_s},   {u"移動#1"_s, u"1日古い日へ"_s},   {u"移動#2"_s, u"1日新しい日へ"_s},
      {u"移動#3"_s, u"5日新しい日へ"_s}, {u"上下#0"_s, u"予測 上昇変更"_s}, {u"上下#1"_s, u"予測 下落変更"_s},
  };
  const auto fixed = kFixed.constFind(c.array + u'#' + QString::number(c.index));
  if (fixed != kFixed.constEnd()) return *fixed;
  if (c.array == u"範囲指定") {
    const Control* subject = Find(form, u"色見本題名"_s, 0);
    return (subject ? HeadingWords(subject->text) : QString()) + u"の区切り "_s +
           QString::number(c.index + 1);
  }
  if (c.array == u"色見本題名") return u"色範囲 "_s + HeadingWords(c.text);
  if (c.array == u"色見本") {
    // The legend: a limit and 以下, or the top limit and 超過.
    const Control* limit = c.index < 6 ? Find(form, u"範囲指定"_s, c.index) : nullptr;
    return limit ? limit->text + u' ' + c.text : c.text;
  }
  if (c.array == u"する" || c.array == u"しない") return PanelAction(form) + c.array;
  if (c.array == u"修正" || c.array == u"削除") {
    const Control* date = Find(form, u"日付修正"_s);
    const bool onDay = c.text != u"追加" && date && date->visible && !date->text.isEmpty();
    return onDay ? c.text + u": "_s + date->text : c.text;
  }
  const QString value = PanelValue(form, c.array);
  if (!value.isEmpty()) return PanelAction(form) + u": "_s + value;
  return HeadingWords(c.text);
}

QString AccessibleDescription(const Control& c) {
  QString words;
  if (c.kind == ControlKind::TextBox && c.foreColor == kDarkRed) words = u"赤: 受け付けられません"_s;
  if (c.kind == ControlKind::TextBox && c.backColor == kCheckBack) words = u"黄: 確かめてください"_s;
  if (!c.toolTip.isEmpty()) words += (words.isEmpty() ? u""_s : u"\n"_s) + c.toolTip;
  return words;
}

QString RowWords(const RDX_F508& form, const GridShape& shape, int index) {
  const std::vector<Control>& controls = form.controls();
  QStringList words;
  for (const GridShape::Column& column : shape.columns) {
    const Control& cell = controls[size_t(column.cells[size_t(index)])];
    if (cell.text.isEmpty()) continue;
    const QString heading =
        column.heading >= 0 ? HeadingWords(controls[size_t(column.heading)].text) : QString();
    words << (heading.isEmpty() ? cell.text : heading + u' ' + cell.text);
  }
  return words.join(u"、"_s);
}

}  // namespace rdx508
