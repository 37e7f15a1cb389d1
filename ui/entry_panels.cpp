// Opening the add, modify and delete panels: a row of panel controls laid edge to edge
// over the heading row or the clicked day row, drawn above the grid cells.

#include "calendar/two_digit_year.h"
#include "toolkit/numeric.h"
#include "toolkit/program_title.h"
#include "ui/calendar_note.h"
#include "ui/date_entry.h"
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
  // An empty box names its value in grey, in the order the boxes take them now.
  Panel(kPanFirstIn).placeholder = IndexName(topixMode ? IndexKind::Topix : IndexKind::Nikkei);
  Panel(kPanSecondIn).placeholder = IndexName(topixMode ? IndexKind::Nikkei : IndexKind::Topix);
}

void RDX_F508::OpenAddPanel() {
  HidePanel();
  editRow_ = -1;
  Panel(kPanModify).text = u"追加"_s;
  const Control& anchor = Heading(kHeadWeekday);
  ChainPanel({kPanModify, kPanYes, kPanNo, kPanDateIn, kPanFirstIn, kPanSecondIn, kPanUpIn, kPanDownIn},
             anchor.left, anchor.top);
  const QString top = Cell(kColDate, 0).text;
  Panel(kPanDateIn).text = NextTradingDay(top);
  if (!top.isEmpty() && Panel(kPanDateIn).text.isEmpty()) {
    const int32_t first = ReferenceYear() - 79;  // the window of two-digit years
    host_.errorBox(ProgramTitle(),
                   u"%1 の次の営業日は 2 桁の年で書ける %2〜%3 年の外にあるため、"
                   u"提案できません。日付を入力してください。"_s.arg(top)
                       .arg(first)
                       .arg(first + 99));
  }
  ShowDateNotes();
  Panel(kPanFirstIn).text.clear();
  Panel(kPanSecondIn).text.clear();
  SetValueTips(TopixShown());
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

void RDX_F508::ShowDateNotes() {
  Control& box = Panel(kPanDateIn);
  ShowCalendarNote(box, dateBoxLook_, true);
  const QString unreadable = UnreadableDateNote(clb_, box.text);
  if (unreadable.isEmpty()) return;
  box.toolTip = unreadable;
  box.backColor = kCheckBack;
}

void RDX_F508::OpenModifyPanel(int row) {
  OpenDayPanel(row, false);
}

void RDX_F508::OpenDeletePanel(int row) {
  OpenDayPanel(row, true);
}

// The modify panel lays input boxes over the row from the weekday column on; the delete
// panel shows the same values as read-only labels from the date column on.
void RDX_F508::OpenDayPanel(int row, bool deleting) {
  HidePanel();
  editRow_ = row;
  const DayRec& day = series_.Days[gridOffset_ + 1 + row];
  const bool topixMode = TopixShown();
  const int title = deleting ? kPanDelete : kPanModify;
  const int first = deleting ? kPanFirst : kPanFirstIn;
  const int second = deleting ? kPanSecond : kPanSecondIn;
  const int up = deleting ? kPanUp : kPanUpIn;
  const int down = deleting ? kPanDown : kPanDownIn;
  Panel(title).text = deleting ? u"削除"_s : u"修正"_s;
  ChainPanel({title, kPanYes, kPanNo, kPanDate, first, second, up, down},
             Heading(deleting ? kHeadDate : kHeadWeekday).left, Cell(kColSeq, row).top);
  Panel(kPanDate).text = Cell(kColDate, row).text;
  Panel(first).text = PlainNumberText(topixMode ? day.Topix : day.Nikkei);
  Panel(second).text = PlainNumberText(topixMode ? day.Nikkei : day.Topix);
  Panel(up).text = QString::number(day.Up);
  Panel(down).text = QString::number(day.Down);
  if (deleting) {
    Panel(first).toolTip = IndexName(indexMode_);
    Panel(second).toolTip = IndexName(OtherIndex(indexMode_));
  } else {
    SetValueTips(topixMode);
    SetFocus(Panel(first));
  }
  controls_[saveButton_].enabled = false;
}

}  // namespace rdx508
