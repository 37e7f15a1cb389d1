// Undo and redo, the keys the window acts on, and the right-click menu with its commands.

#include <algorithm>

#include "app/files/archive_file.h"
#include "app/files/notes_file.h"
#include "toolkit/program_title.h"
#include "ui/rdx_f508.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

void RDX_F508::LoadArchiveOnce() {
  if (archiveLoaded_) return;
  archiveLoaded_ = true;
  if (const auto problem = notebook_.LoadArchive(series_)) host_.errorBox(ProgramTitle(), problem->text);
}

RDX_F508::EditState RDX_F508::CaptureState() const {
  return EditState{series_.Days, series_.DayCnt, series_.Archive, series_.DayNotes, range_};
}

void RDX_F508::RestoreState(EditState state, const ChangeInfo& info) {
  HidePanel();
  series_.Days = std::move(state.days);
  series_.DayCnt = state.dayCnt;
  series_.Archive = std::move(state.archive);
  series_.DayNotes = std::move(state.notes);
  range_ = std::move(state.range);
  series_.ComputeIndicators();
  // The strip shows the limits of the subject the step changed, or refreshes the ones shown.
  const int subject = info.subject >= 0 ? info.subject : CurrentSubject();
  if (subject >= 0) SelectSubject(subject);
  RedrawGrid();
  if (!info.date.isEmpty()) ShowDay(info.date);
}

void RDX_F508::ShowDay(const QString& date) {
  int32_t position = 0;
  for (int32_t p = 1; p <= series_.DayCnt; ++p) {
    if (series_.Days[static_cast<size_t>(p)].Date == date) {
      position = p;
      break;
    }
  }
  if (position == 0) position = std::min(series_.PositionFor(date).value_or(0), series_.DayCnt);
  if (position < 1) return;  // in the archive, beyond the grid
  if (position > gridOffset_ && position <= gridOffset_ + kGridRows) return;  // already shown
  ScrollToPosition(position);
}

bool RDX_F508::Undo() {
  LoadArchiveOnce();
  auto restored = history_.Undo(CaptureState());
  if (!restored) return false;
  RestoreState(std::move(restored->first), restored->second);
  return true;
}

bool RDX_F508::Redo() {
  LoadArchiveOnce();
  auto restored = history_.Redo(CaptureState());
  if (!restored) return false;
  RestoreState(std::move(restored->first), restored->second);
  return true;
}

bool RDX_F508::IsModified() const {
  return history_.IsModified();
}

QString RDX_F508::Title() const {
  return IsModified() ? ProgramTitle() + u" *"_s : ProgramTitle();
}

void RDX_F508::SaveAndStamp() {
  Control& button = controls_[saveButton_];
  if (!button.enabled) return;  // disabled while an entry panel is open
  // The time says when the data was last saved: a failed save leaves it as it was.
  if (!SaveAll()) return;
  button.text = u"保存("_s + host_.now().toString(u"hh:mm"_s) + u')';
}

bool RDX_F508::PanelOpen() const {
  return controls_[panel_[kPanModify]].visible || controls_[panel_[kPanDelete]].visible;
}

bool RDX_F508::keyPress(const QString& array, Key key) {
  LoadArchiveOnce();
  ClearMark();
  const bool panelOpen = PanelOpen();
  static const QStringList kPanelInputs = {u"日付修正入力"_s, u"TOPIX修正入力"_s, u"日経修正入力"_s,
                                           u"上昇数修正入力"_s, u"下落数修正入力"_s};
  switch (key) {
    case Key::Enter:
    case Key::Escape:
    case Key::Space:
      // In an entry panel's input box Enter confirms the panel and Escape cancels it; on
      // Yes, No and データ保存 Enter and Space act as a click. 終了 takes no Enter, so that
      // the program never ends by a key meant for something else.
      if (kPanelInputs.contains(array) && key != Key::Space) {
        key == Key::Enter ? Confirm() : Cancel();
        return true;
      }
      if (key == Key::Escape && panelOpen && (array == u"する" || array == u"しない")) {
        Cancel();
        return true;
      }
      if (key != Key::Escape && (array == u"する" || array == u"しない" || array == u"データ保存")) {
        click(array);
        return true;
      }
      return false;
    default:
      break;
  }
  // The grid scrolls as its arrows do; not while a panel is open, whose input would be lost.
  if (panelOpen) return false;
  switch (key) {
    case Key::Down:
      Scroll(kScrollOlder1);
      return true;
    case Key::Up:
      Scroll(kScrollNewer1);
      return true;
    case Key::PageDown:
      Scroll(kScrollOlder5);
      return true;
    case Key::PageUp:
      Scroll(kScrollNewer5);
      return true;
    case Key::Home:
      ScrollToPosition(1);
      return true;
    default:
      return false;
  }
}

namespace {

// The grid's keys: each a command of the menu, with the key that runs it.
struct ScrollKey {
  const char16_t* command;
  const char16_t* caption;
  const char16_t* shortcut;
  RDX_F508::Key key;
};
constexpr ScrollKey kScrollKeys[] = {
    {u"newer1", u"1日新しい日へ", u"Up", RDX_F508::Key::Up},
    {u"older1", u"1日古い日へ", u"Down", RDX_F508::Key::Down},
    {u"newer5", u"5日新しい日へ", u"PgUp", RDX_F508::Key::PageUp},
    {u"older5", u"5日古い日へ", u"PgDown", RDX_F508::Key::PageDown},
    {u"newest", u"最新の日へ", u"Home", RDX_F508::Key::Home},
};

}  // namespace

QString RDX_F508::Note(const QString& date) const {
  return series_.DayNotes.value(date);
}

void RDX_F508::SetNote(const QString& date, const QString& text) {
  LoadArchiveOnce();
  if (date.isEmpty() || Note(date) == text || !NoteProblem(text).isEmpty()) return;
  EditState before = CaptureState();
  if (text.isEmpty()) {
    series_.DayNotes.remove(date);
  } else {
    series_.DayNotes.insert(date, text);
  }
  history_.Record(std::move(before), {date + u" のメモ"_s, date});
  RedrawGrid();
  ShowDay(date);
}

int RDX_F508::GridRowOf(const QString& array, int index) const {
  if (index < 0 || index >= kGridRows) return -1;
  for (int col = 0; col < kColumnCount; ++col)
    if (controls_[columnBase_[col]].array == array) return index;
  return -1;
}

int RDX_F508::DayRow(int row) const {
  auto holdsDay = [this](int r) {
    return r >= 0 && r < kGridRows && !controls_[columnBase_[kColDate] + r].text.isEmpty();
  };
  if (holdsDay(row)) return row;
  if (holdsDay(markedRow_)) return markedRow_;
  return holdsDay(0) ? 0 : -1;
}

QString RDX_F508::NoteDate(int row) const {
  const int r = DayRow(row);
  return r < 0 ? QString() : controls_[columnBase_[kColDate] + r].text;
}

std::vector<RDX_F508::MenuEntry> RDX_F508::ContextMenu(int row) const {
  std::vector<MenuEntry> menu;
  const ChangeInfo* undo = history_.NextUndo();
  const ChangeInfo* redo = history_.NextRedo();
  menu.push_back(
      {u"undo"_s, undo ? u"元に戻す: "_s + undo->what : u"元に戻す"_s, {u"Ctrl+Z"_s}, undo != nullptr});
  menu.push_back({u"redo"_s,
                  redo ? u"やり直し: "_s + redo->what : u"やり直し"_s,
                  {u"Ctrl+Y"_s, u"Ctrl+Shift+Z"_s},
                  redo != nullptr});
  menu.push_back({u"add"_s, u"追加…"_s, {u"Ctrl+N"_s}, true, true});
  menu.push_back({u"save"_s, u"データ保存"_s, {u"Ctrl+S"_s}, controls_[saveButton_].enabled});
  menu.push_back({u"chart"_s, u"チャート"_s, {u"Ctrl+G"_s}, true, true});
  menu.push_back({u"import"_s, u"取込…"_s, {u"Ctrl+I"_s}, !PanelOpen()});
  menu.push_back({u"export"_s, u"書出…"_s, {u"Ctrl+E"_s}, true});
  const QString noteDate = NoteDate(row);
  menu.push_back({u"note"_s,
                  noteDate.isEmpty() ? u"メモ…"_s : noteDate + u" のメモ…"_s,
                  {u"Ctrl+M"_s},
                  !noteDate.isEmpty() && !PanelOpen()});
  // The day's own panels, also reached by clicking its weekday or its date.
  const bool dayShown = !noteDate.isEmpty() && !PanelOpen();
  menu.push_back({u"modify"_s, dayShown ? noteDate + u" を修正…"_s : u"修正…"_s, {u"F2"_s}, dayShown, true});
  menu.push_back({u"delete"_s, dayShown ? noteDate + u" を削除…"_s : u"削除…"_s, {u"Delete"_s}, dayShown});
  bool first = true;
  for (const ScrollKey& k : kScrollKeys) {
    menu.push_back({QString::fromUtf16(k.command),
                    QString::fromUtf16(k.caption),
                    {QString::fromUtf16(k.shortcut)},
                    !PanelOpen(),
                    first});
    first = false;
  }
  return menu;
}

RDX_F508::ViewRequest RDX_F508::Command(const QString& command, int row) {
  LoadArchiveOnce();
  if (command == u"note")
    return NoteDate(row).isEmpty() || PanelOpen() ? ViewRequest::None : ViewRequest::EditNote;
  if (command == u"import") return PanelOpen() ? ViewRequest::None : ViewRequest::Import;
  if (command == u"export") return ViewRequest::Export;
  if ((command == u"modify" || command == u"delete") && !PanelOpen()) {
    const int r = DayRow(row);
    if (r >= 0) command == u"modify" ? OpenModifyPanel(r) : OpenDeletePanel(r);
    return ViewRequest::None;
  }
  if (command == u"undo") {
    Undo();
  } else if (command == u"redo") {
    Redo();
  } else if (command == u"save") {
    SaveAndStamp();
  } else if (command == u"add") {
    OpenAddPanel();
  } else if (command == u"chart") {
    click(u"チャート"_s);
  } else {
    for (const ScrollKey& k : kScrollKeys)
      if (command == QStringView(k.command)) keyPress({}, k.key);
  }
  return ViewRequest::None;
}

}  // namespace rdx508
