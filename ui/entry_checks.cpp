// The entry panel's help while typing: a row pasted from a spreadsheet spread over the
// boxes, and values that look like typos marked for checking (still stored when confirmed).

#include <array>
#include <cmath>

#include "app/series/entry_marks.h"
#include "toolkit/clb_error.h"
#include "toolkit/numeric.h"
#include "ui/cell_text.h"
#include "ui/rdx_f508.h"
#include "ui/typed_input.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

constexpr std::array<int, 5> kInputOrder = {RDX_F508::kPanDateIn, RDX_F508::kPanFirstIn,
                                            RDX_F508::kPanSecondIn, RDX_F508::kPanUpIn, RDX_F508::kPanDownIn};
}  // namespace

int RDX_F508::PanelInputOf(const Control& c) const {
  for (int which : kInputOrder)
    if (&controls_[panel_[which]] == &c) return which;
  return -1;
}

void RDX_F508::SpreadRow(int first, const QString& text) {
  const QStringList fields = PastedFields(text);
  qsizetype next = 0;
  bool started = false;
  for (int which : kInputOrder) {
    started = started || which == first;
    if (!started || !Panel(which).visible) continue;
    if (next >= fields.size()) break;
    Panel(which).text = fields[next++];
    typedInto_[static_cast<size_t>(which)] = true;
  }
}

const DayRec* RDX_F508::DayBeforeEntry() {
  int32_t position = 0;
  if (editRow_ >= 0) {
    position = gridOffset_ + 2 + editRow_;
  } else {
    QString date;
    try {
      date = clb_.日付補正(NormalisedTyped(Panel(kPanDateIn).text), 0);
    } catch (const ClbError&) {
      return nullptr;
    }
    position = series_.PositionFor(date).value_or(0);  // the new day goes before this one
  }
  if (position < 1 || position > series_.DayCnt) return nullptr;
  return &series_.Days[static_cast<size_t>(position)];
}

void RDX_F508::CheckEntry() {
  std::array<QStringList, kPanelCount> reasons;
  const DayRec* before = DayBeforeEntry();
  const bool topixMode = TopixShown();
  // Only what the user typed is checked: a modify panel opens on the stored values as they are.
  auto typed = [this](int which) {
    return typedInto_[static_cast<size_t>(which)] ? Panel(which).text.trimmed() : QString();
  };
  auto shown = [this](int which) { return Panel(which).text.trimmed(); };

  for (int which : {kPanFirstIn, kPanSecondIn}) {
    const QString text = typed(which);
    if (text.isEmpty()) continue;
    const bool topix = (which == kPanFirstIn) == topixMode;
    const double value = TypedNumber(text);
    if (!ParseNumber(NormalisedTyped(text))) {
      reasons[which] << u"数値として読めません（0 として記録されます）"_s;
    } else if (before && Beyond(value, topix ? before->Topix : before->Nikkei, kIndexJump)) {
      reasons[which] << u"前の日（%1）の%2 %3 から 10% 以上離れています"_s.arg(
          before->Date, topix ? u"東証平均"_s : u"日経平均"_s,
          CellText(clb_, topix ? before->Topix : before->Nikkei, 2));
    }
  }
  for (int which : {kPanUpIn, kPanDownIn}) {
    const QString text = typed(which);
    if (text.isEmpty()) continue;
    if (!ParseNumber(NormalisedTyped(text))) {
      reasons[which] << u"数値として読めません（0 として記録されます）"_s;
    } else if (TypedCount(text).value_or(0) < 0) {
      reasons[which] << u"負の数です"_s;
    } else if (IsFractionalCount(text)) {
      const std::optional<int32_t> count = TypedCount(text);
      if (count) reasons[which] << u"整数ではありません（%1 として記録されます）"_s.arg(*count);
    }
  }
  if (before && !shown(kPanUpIn).isEmpty() && !shown(kPanDownIn).isEmpty() &&
      !(typed(kPanUpIn).isEmpty() && typed(kPanDownIn).isEmpty())) {
    const double total = TypedNumber(shown(kPanUpIn)) + TypedNumber(shown(kPanDownIn));
    const double beforeTotal = double(before->Up) + double(before->Down);
    if (Beyond(total, beforeTotal, kTotalJump)) {
      const QString why = u"上昇数と下落数の合計 %1 が前の日（%2）の %3 から 20% 以上離れています"_s.arg(
          CellText(clb_, total, 0), before->Date, CellText(clb_, beforeTotal, 0));
      for (int which : {kPanUpIn, kPanDownIn})
        if (!typed(which).isEmpty()) reasons[which] << why;
    }
  }

  for (int which : kInputOrder) {
    if (which == kPanDateIn) continue;  // the date box has marks of its own
    Control& box = Panel(which);
    box.backColor = reasons[which].isEmpty() ? kSysWindowBack : kCheckBack;
    box.toolTip = panelTips_[which];
    if (!reasons[which].isEmpty()) box.toolTip += u'\n' + reasons[which].join(u'\n');
  }
}

void RDX_F508::ClearEntryChecks() {
  typedInto_.fill(false);
  for (int which : kInputOrder) {
    if (which == kPanDateIn) continue;
    Panel(which).backColor = kSysWindowBack;
    Panel(which).toolTip = panelTips_[which];
  }
}

}  // namespace rdx508
