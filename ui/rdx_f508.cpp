// RDX_F508: construction, control lookup, event dispatch, load, saving and exit.

#include "ui/rdx_f508.h"

#include <stdexcept>

#include "toolkit/program_title.h"
#include "ui/half_width.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

RDX_F508::RDX_F508(CLB_C1& clb, Host& host, const StartupTables& tables)
    : RDX_F508(clb, host, std::make_unique<Notebook>(clb, tables)) {}

RDX_F508::RDX_F508(CLB_C1& clb, Host& host, Notebook& notebook)
    : clb_(clb), host_(host), notebook_(notebook) {
  Init();
}

RDX_F508::RDX_F508(CLB_C1& clb, Host& host, std::unique_ptr<Notebook> own)
    : clb_(clb), host_(host), ownNotebook_(std::move(own)), notebook_(*ownNotebook_) {
  Init();
}

void RDX_F508::Init() {
  BuildLayout();
  dateBoxLook_ = {Panel(kPanDateIn).toolTip, Panel(kPanDateIn).backColor};
  forecastDateLook_ = {Cell(kColDate, kForecastRow).toolTip, Cell(kColDate, kForecastRow).backColor};
}

Control& RDX_F508::control(const QString& array, int index) {
  const auto it = byName_.constFind(array + u'#' + QString::number(index));
  if (it == byName_.constEnd())
    throw std::out_of_range("no control " + array.toStdString() + "(" + std::to_string(index) + ")");
  return controls_[*it];
}

const DaySeries& RDX_F508::series() const {
  return series_;
}
int32_t RDX_F508::GridOffset() const {
  return gridOffset_;
}
int32_t RDX_F508::IndexMode() const {
  return static_cast<int32_t>(indexMode_);
}
int32_t RDX_F508::EditRow() const {
  return editRow_;
}
const Value& RDX_F508::Range(int subject, int band) const {
  return range_(subject, band);
}

void RDX_F508::SetFocus(const Control& c) {
  focus_ = &c;
  ++focusSerial_;
}

void RDX_F508::BringToFront(Control& c) {
  c.z = ++topZ_;
}

void RDX_F508::Form_Load() {
  // The holiday list, the days with their notes and the colour ranges; a file that read
  // only in part is reported once, and what reads is used.
  for (const NotebookProblem& problem : notebook_.Load(series_, range_))
    host_.errorBox(ProgramTitle(), problem.text);

  SetForecastArrows(-1);
  for (int r = 0; r < kGridRows; ++r) {
    Cell(kColUp, r).foreColor = kSysWindowText;
    Cell(kColUp, r).opaque = false;
  }

  gridOffset_ = 0;
  for (int k = 0; k < 4; ++k)
    controls_[scrollArrowBase_ + k].visible = k == kScrollOlder5 || k == kScrollOlder1;

  for (int k = 0; k < 6; ++k)
    SetLimitText(k, range_(0, k).toText());
  RedrawGrid();
  history_.Clear();
}

bool RDX_F508::SaveAll() {
  const SaveReport report = notebook_.Save(series_, range_);
  if (!report.message.isEmpty()) host_.errorBox(ProgramTitle(), report.message);
  if (report.ok()) history_.MarkSaved();
  return report.ok();
}

void RDX_F508::SaveData() {
  SaveAll();
}

void RDX_F508::Form_Unload() {
  switch (host_.askYesNoCancel(u"データ保存しますか？"_s)) {
    case Host::Answer::Cancel:
      return;  // the window stays open, nothing changed
    case Host::Answer::Yes:
      // A save that failed has shown its box; the window stays open so that nothing
      // entered since the last save is lost.
      if (!SaveAll()) return;
      break;
    case Host::Answer::No:
      break;
  }
  EndProgram();
}

void RDX_F508::EndProgram() {
  ended_ = true;
  host_.endProgram();
}

void RDX_F508::setText(const QString& array, int index, const QString& typed) {
  Control& c = control(array, index);
  const int input = PanelInputOf(c);
  // A number or date box shows full-width digits as the half-width ones they read as.
  const QString text =
      c.kind == ControlKind::TextBox && c.input != InputKind::Text ? HalfWidthDigits(typed) : typed;
  if (c.array == u"範囲指定" && c.index >= 0 && c.index < 6) {
    SetLimitText(c.index, text);
  } else if (input >= 0 && (text.contains(u'\t') || text.contains(u'\n') || text.contains(u'\r'))) {
    SpreadRow(input, text);  // a row of cells pasted from a spreadsheet
  } else {
    c.text = text;
    if (input >= 0) typedInto_[static_cast<size_t>(input)] = true;
  }
  if (input == kPanDateIn) ShowDateNotes();  // typed or pasted
  if (input >= 0 && PanelOpen()) CheckEntry();
}

void RDX_F508::click(const QString& array, int index) {
  LoadArchiveOnce();  // before any change, so that undo steps hold the whole archive
  ClearMark();
  if (array == u"見出") {
    if (index == kHeadIndex) {
      indexMode_ = OtherIndex(indexMode_);
      Heading(kHeadIndex).text = IndexName(indexMode_);
      RedrawGrid();
    } else if (index >= kHeadUpRatio && index <= kHeadAdRatio) {
      SelectSubject(index - kHeadUpRatio);
    } else if (index == kHeadWeekday) {
      OpenAddPanel();
    }
  } else if (array == u"連番") {
    if (index == kForecastRow) {
      RepeatLastStep();
    } else if (index >= 0 && index < kGridRows && !Cell(kColDate, index).text.isEmpty()) {
      OpenModifyPanel(index);
    }
  } else if (array == u"日付") {
    if (index >= 0 && index < kGridRows && !Cell(kColDate, index).text.isEmpty()) OpenDeletePanel(index);
  } else if (array == u"上下") {
    if (index == 0 || index == 1) {
      SetForecastArrows(index);
      UpdateForecast(kForecastRow, index);
    }
  } else if (array == u"移動") {
    if (index >= 0 && index < kScrollArrowCount) Scroll(index);
  } else if (array == u"色見本題名") {
    ApplyLimits();
  } else if (array == u"する") {
    Confirm();
  } else if (array == u"しない") {
    Cancel();
  } else if (array == u"データ保存") {
    SaveAndStamp();
  } else if (array == u"終了") {
    // With unsaved changes 終了 asks the close question; without them it ends at once.
    if (IsModified()) {
      Form_Unload();
    } else {
      EndProgram();
    }
  } else if (array == u"チャート") {
    ++chartRequests_;
  }
}

}  // namespace rdx508
