// Committing or cancelling an entry panel: adding a day at its place in date order,
// modifying a day's values, deleting a day.

#include <cmath>
#include <limits>
#include <optional>

#include "app/series/stored_value.h"
#include "toolkit/clb_error.h"
#include "ui/colours.h"
#include "ui/date_entry.h"
#include "ui/rdx_f508.h"
#include "ui/typed_input.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

constexpr quint32 kRefused = kDarkRed;

}  // namespace

void RDX_F508::Confirm() {
  if (Panel(kPanModify).visible) {
    // After an add the next step is saving; after a modify the window rests on 終了.
    const bool adding = editRow_ < 0;
    if (CommitPanel()) SetFocus(controls_[adding ? saveButton_ : quitButton_]);
  } else if (Panel(kPanDelete).visible) {
    DeleteDay();
    SetFocus(controls_[quitButton_]);
  }
  // No panel open: nothing to confirm.
}

void RDX_F508::Cancel() {
  HidePanel();
  SetFocus(controls_[quitButton_]);
}

bool RDX_F508::CommitPanel() {
  Control& dateBox = Panel(kPanDateIn);
  Control& upBox = Panel(kPanUpIn);
  Control& downBox = Panel(kPanDownIn);
  dateBox.foreColor = kSysWindowText;
  upBox.foreColor = kSysWindowText;
  downBox.foreColor = kSysWindowText;

  const bool topixMode = TopixShown();
  const double first = TypedNumber(Panel(kPanFirstIn).text);
  const double second = TypedNumber(Panel(kPanSecondIn).text);
  double topix = topixMode ? first : second;
  double nikkei = topixMode ? second : first;

  int32_t position;
  if (editRow_ < 0) {
    QString date;
    try {
      date = clb_.日付補正(NormalisedTyped(dateBox.text), 0);
    } catch (const ClbError&) {
      date.clear();
    }
    if (date.isEmpty()) {  // a text the calendar could not read at all: refuse it
      dateBox.foreColor = kRefused;
      SetFocus(dateBox);
      return false;
    }
    dateBox.text = date;
    const std::optional<int32_t> place = series_.PositionFor(date);
    if (!place) {  // a day already kept, in the grid or the archive
      dateBox.foreColor = kRefused;
      dateBox.toolTip = DuplicateDateNote(date);
      SetFocus(dateBox);
      return false;
    }
    position = *place;
  } else {
    position = gridOffset_ + 1 + editRow_;
    if (position > series_.DayCnt) return false;  // the row no longer holds a day
  }

  // Issue counts beyond the 32-bit range are refused like a duplicate date.
  const std::optional<int32_t> up = TypedCount(upBox.text);
  const std::optional<int32_t> down = TypedCount(downBox.text);
  if (!up || !down) {
    Control& bad = up ? downBox : upBox;
    bad.foreColor = kRefused;
    SetFocus(bad);
    return false;
  }

  // A typed value is kept as the day file keeps it, so the grid reads the same after a save
  // and a restart; a value confirmed as it stands stays exactly what the file held.
  const DayRec* stored = editRow_ < 0 ? nullptr : &series_.Days[position];
  topix = stored && topix == stored->Topix ? topix : StoredIndex(topix);
  nikkei = stored && nikkei == stored->Nikkei ? nikkei : StoredIndex(nikkei);

  EditState before = CaptureState();
  if (editRow_ < 0) {
    series_.Insert(position, DayRec{dateBox.text, topix, *up, *down, nikkei});
    history_.Record(std::move(before), {dateBox.text + u" の追加"_s, dateBox.text});
  } else {
    DayRec& day = series_.Days[position];
    const bool changed = day.Topix != topix || day.Nikkei != nikkei || day.Up != *up || day.Down != *down;
    day.Topix = topix;
    day.Nikkei = nikkei;
    day.Up = *up;
    day.Down = *down;
    if (changed) history_.Record(std::move(before), {day.Date + u" の修正"_s, day.Date});
  }
  series_.ComputeIndicators();
  RedrawGrid();
  return true;
}

void RDX_F508::DeleteDay() {
  const int32_t p = gridOffset_ + 1 + editRow_;
  if (editRow_ < 0 || p > series_.DayCnt) return;
  EditState before = CaptureState();
  const DayRec taken = series_.Remove(p);
  history_.Record(std::move(before), {taken.Date + u" の削除"_s, taken.Date});
  series_.ComputeIndicators();
  RedrawGrid();
}

}  // namespace rdx508
