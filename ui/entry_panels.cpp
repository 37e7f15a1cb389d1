// Opening the add, modify and delete panels: a row of panel controls laid edge to edge
// over the heading row or the clicked day row, drawn above the grid cells.

#include "toolkit/numeric.h"
#include "ui/calendar_note.h"
#include "ui/rdx_f508.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

void RDX_F508::ChainPanel(std::initializer_list<int> members, int32_t left, int32_t top) {
  for (int which : members) {
    Control& c = Panel(which);
    c.visible = true;
    c.left = left;
    c.top = top;
    BringToFront(c);
    left += c.width;
  }
}

namespace {

struct ValueTips {
  const char16_t *first, *second;
};

ValueTips InputTips(bool topixMode) {
  return topixMode ? ValueTips{u"東証平均入力", u"日経平均入力"}
                   : ValueTips{u"日経平均入力", u"東証平均入力"};
}

}  // namespace

void RDX_F508::SetValueTips(bool topixMode) {
  const ValueTips tips = InputTips(topixMode);
  panelTips_[kPanFirstIn] = Panel(kPanFirstIn).toolTip = QString::fromUtf16(tips.first);
  panelTips_[kPanSecondIn] = Panel(kPanSecondIn).toolTip = QString::fromUtf16(tips.second);
}

void RDX_F508::OpenAddPanel() {
  HidePanel();
  editRow_ = -1;
  Panel(kPanModify).text = u"追加"_s;
  const Control& anchor = Heading(kHeadWeekday);
  ChainPanel({kPanModify, kPanYes, kPanNo, kPanDateIn, kPanFirstIn, kPanSecondIn, kPanUpIn, kPanDownIn},
             anchor.left, anchor.top);
  // The business day after the newest; a notebook without days starts after today.
  const QString newest = Cell(kColDate, 0).text;
  Panel(kPanDateIn).text = newest.isEmpty()
                               ? BusinessDay(host_.now().date().addDays(1).toString(u"yy/MM/dd"_s), 1)
                               : BusinessDay(newest, 2);
  ShowCalendarNote(Panel(kPanDateIn), dateBoxLook_, true);
  Panel(kPanFirstIn).text.clear();
  Panel(kPanSecondIn).text.clear();
  SetValueTips(indexMode_ == 0);
  Panel(kPanUpIn).text.clear();
  Panel(kPanDownIn).text.clear();
  controls_[saveButton_].enabled = false;
  SetFocus(Panel(kPanFirstIn));
}

void RDX_F508::ShowCalendarNote(Control& cell, const DateLook& plain, bool closedToo) {
  const QString note = CalendarNote(clb_, cell.text, closedToo);
  cell.toolTip = note.isEmpty() ? plain.toolTip : note;
  cell.backColor = note.isEmpty() ? plain.backColor : kCalendarNoteBack;
}

void RDX_F508::OpenModifyPanel(int row) {
  HidePanel();
  editRow_ = row;
  const DayRec& day = series_.Days[gridOffset_ + 1 + row];
  const bool topixMode = indexMode_ == 0;
  Panel(kPanModify).text = u"修正"_s;
  ChainPanel({kPanModify, kPanYes, kPanNo, kPanDate, kPanFirstIn, kPanSecondIn, kPanUpIn, kPanDownIn},
             Heading(kHeadWeekday).left, Cell(kColSeq, row).top);
  Panel(kPanDate).text = Cell(kColDate, row).text;
  Panel(kPanFirstIn).text = PlainNumberText(topixMode ? day.Topix : day.Nikkei);
  Panel(kPanSecondIn).text = PlainNumberText(topixMode ? day.Nikkei : day.Topix);
  SetValueTips(topixMode);
  Panel(kPanUpIn).text = QString::number(day.Up);
  Panel(kPanDownIn).text = QString::number(day.Down);
  SetFocus(Panel(kPanFirstIn));
  controls_[saveButton_].enabled = false;
}

void RDX_F508::OpenDeletePanel(int row) {
  HidePanel();
  editRow_ = row;
  const DayRec& day = series_.Days[gridOffset_ + 1 + row];
  const bool topixMode = indexMode_ == 0;
  Panel(kPanDelete).text = u"削除"_s;
  ChainPanel({kPanDelete, kPanYes, kPanNo, kPanDate, kPanFirst, kPanSecond, kPanUp, kPanDown},
             Heading(kHeadDate).left, Cell(kColSeq, row).top);
  Panel(kPanDate).text = Cell(kColDate, row).text;
  Panel(kPanFirst).text = PlainNumberText(topixMode ? day.Topix : day.Nikkei);
  Panel(kPanSecond).text = PlainNumberText(topixMode ? day.Nikkei : day.Topix);
  Panel(kPanFirst).toolTip = topixMode ? u"東証平均"_s : u"日経平均"_s;
  Panel(kPanSecond).toolTip = topixMode ? u"日経平均"_s : u"東証平均"_s;
  Panel(kPanUp).text = QString::number(day.Up);
  Panel(kPanDown).text = QString::number(day.Down);
  controls_[saveButton_].enabled = false;
}

}  // namespace rdx508
