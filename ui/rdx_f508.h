#pragma once
// RDX_F508, the main window 市況ノート, as behaviour over a model of its controls: the
// grid of 26 days and the forecast row, scrolling, colour ranges, entry panels, editing,
// saving and exit. A view renders the controls and forwards clicks and typing.

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "app/files/startup.h"
#include "app/notebook.h"
#include "app/series/day_series.h"
#include "app/series/import_merge.h"
#include "app/series/undo_history.h"
#include "toolkit/clb_c1.h"
#include "toolkit/host.h"
#include "toolkit/value.h"
#include "ui/colours.h"
#include "ui/control.h"
#include "ui/index_mode.h"

namespace rdx508 {

class RDX_F508 {
 public:
  RDX_F508(CLB_C1& clb, Host& host, const StartupTables& tables);
  // The window over a notebook the program's start has opened (and locked).
  RDX_F508(CLB_C1& clb, Host& host, Notebook& notebook);
  void Form_Load();
  void Form_Unload();                                                  // the save question, then the end
  void click(const QString& array, int index = -1);                    // a label or button click
  void setText(const QString& array, int index, const QString& text);  // typing; raises change events
  Control& control(const QString& array, int index = -1);              // std::out_of_range if unknown
  const DaySeries& series() const;
  int32_t GridOffset() const;
  int32_t IndexMode() const;  // 0 東証平均, 225 日経平均
  IndexKind Index() const { return indexMode_; }
  bool TopixShown() const { return indexMode_ == IndexKind::Topix; }
  int32_t EditRow() const;
  const Value& Range(int subject, int band) const;  // the colour-range table
  void SaveData();
  void RedrawGrid();
  // Scrolls the grid so that day position `position` is its top row, as far as the scroll
  // arrows could take it, and redraws.
  void ScrollToPosition(int32_t position);
  // A day chosen in the chart: scrolls to it as ScrollToPosition does and marks its date
  // cell until the next scroll or click, wherever in the grid it lands.
  void ShowChartDay(int32_t position);
  // The grid row whose date cell is marked, or -1.
  int MarkedRow() const { return markedRow_; }
  void UpdateForecast(int32_t request, int32_t direction);
  // Reads the archive of the days beyond the grid, once; a damaged archive is reported in
  // a box. The view calls it after the first frame; every change calls it first.
  void LoadArchiveOnce();
  // Why the days cannot be exported to `path` (one of the program's own files, or an archive
  // that was not read whole), or "" when they can.
  QString ExportProblem(const QString& path) const;
  QString Note(const QString& date) const;                 // "" when the day has none
  void SetNote(const QString& date, const QString& text);  // "" removes it; one undo step
  bool Undo();              // undoes the last change of days or colour ranges; false if none
  bool Redo();              // redoes the last undone change; false if none
  bool IsModified() const;  // a change since the last load or save
  bool PanelOpen() const;   // an add, modify or delete panel is open
  QString Title() const;    // the window title: 市況ノート, with " *" while modified
  // Merges imported days into the series (new days in date order, differing ones only
  // when overwriting) as one undo step and redraws, keeping the grid's scroll place;
  // returns what changed.
  ImportResult ImportDays(const std::vector<ImportedDay>& days, ImportMode mode);
  // True once the window has ended the program (終了, or a close that was not stopped
  // by a failed save).
  bool HasEnded() const { return ended_; }

  // Keys the window acts on, wherever the focus is.
  enum class Key { Enter, Escape, Space, Up, Down, PageUp, PageDown, Home };
  // A key pressed while a control of `array` has the focus ("" when no control has
  // it). True when the window used the key.
  bool keyPress(const QString& array, Key key);

  // One entry of the window's right-click menu; the view builds the menu and the keyboard
  // shortcuts from these, so both always say the same.
  struct MenuEntry {
    QString command;        // passed back to Command()
    QString caption;        // e.g. 元に戻す: 25/01/14 の追加
    QStringList shortcuts;  // key sequences in portable text ("Ctrl+Z"); the first is shown
    bool enabled = true;
    bool separatorBefore = false;
  };
  // What the view must do after a command that needs more than the model.
  enum class ViewRequest { None, OpenChart, Import, Export, EditNote };
  // The menu for a right click on grid row `row` (-1: elsewhere in the window).
  std::vector<MenuEntry> ContextMenu(int row = -1) const;
  // Runs a menu command for grid row `row` (-1: the menu was not opened on a day row).
  ViewRequest Command(const QString& command, int row = -1);
  // The day a note, modify or delete command acts on: the day of grid row `row`, else the
  // day the chart marked, else the grid's top day; "" when the grid shows no day.
  QString NoteDate(int row = -1) const;
  // The grid row (0 ... 25) a control belongs to, or -1 for a control outside the day rows.
  int GridRowOf(const QString& array, int index) const;

  // For the view: every control, in creation order (stable for the window's life).
  const std::vector<Control>& controls() const { return controls_; }
  // The control that should hold the keyboard focus, and a counter that grows each
  // time the model moves the focus, so a view knows when to follow.
  const Control* focusControl() const { return focus_; }
  quint64 focusSerial() const { return focusSerial_; }
  // A counter that grows with each click of チャート, so a view knows when to open the chart.
  quint64 chartRequests() const { return chartRequests_; }
  // The utility object this window formats and computes with.
  CLB_C1& clb() const { return clb_; }
  // Window size in twips (client area).
  static constexpr int32_t kClientWidth = 13320;
  static constexpr int32_t kClientHeight = 8235;

  // Grid columns in left-to-right order; cells 0-25 of a column are the day rows, 26 the
  // forecast row.
  enum Column {
    kColSeq,
    kColDate,
    kColIndex,
    kColChange,
    kColAvg5,
    kColAvg25,
    kColDiverge,
    kColUp,
    kColDown,
    kColUpRatio,
    kColUpRatio5,
    kColAdRatio,
    kColumnCount
  };
  // Headings 見出(i) by what they head.
  enum HeadingIndex {
    kHeadDate = 0,
    kHeadIndex = 1,  // 東証平均 / 日経平均: switches the index mode
    kHeadAvg5 = 2,
    kHeadAvg25 = 3,
    kHeadUp = 4,
    kHeadDown = 5,
    kHeadUpRatio = 6,  // 上昇率, ５日平均, 騰落レシオ: choose the colour subject
    kHeadUpRatio5 = 7,
    kHeadAdRatio = 8,
    kHeadWeekday = 9,  // 曜　日: opens the add panel
    kHeadChange = 10,
    kHeadDiverge = 11,
    kHeadingCount = 12
  };
  // Scroll arrows 移動(i): older by five days and by one, newer by one and by five.
  enum ScrollArrow { kScrollOlder5, kScrollOlder1, kScrollNewer1, kScrollNewer5, kScrollArrowCount };
  // Entry-panel controls in the order panel_ holds them.
  enum PanelControl {
    kPanModify,  // 修正
    kPanDelete,  // 削除
    kPanYes,     // する
    kPanNo,      // しない
    kPanDate,    // 日付修正 and the four read-only value labels
    kPanFirst,
    kPanSecond,
    kPanUp,
    kPanDown,
    kPanDateIn,  // 日付修正入力 and the four input boxes
    kPanFirstIn,
    kPanSecondIn,
    kPanUpIn,
    kPanDownIn,
    kPanelCount
  };
  static constexpr int kForecastRow = 26;         // cell index of the forecast row in every column
  static constexpr int kGridRows = 26;            // day rows shown
  static constexpr quint32 kWindowBack = kWhite;  // the window's own background

 private:
  RDX_F508(CLB_C1& clb, Host& host, std::unique_ptr<Notebook> own);
  void Init();  // the layout and the looks kept of it, for every constructor

  // Layout (main_window_layout.cpp).
  int AddControl(Control c);
  void BuildLayout();

  // Control helpers.
  Control& Cell(int column, int row) { return controls_[columnBase_[column] + row]; }
  Control& Panel(int which) { return controls_[panel_[which]]; }
  Control& Limit(int k) { return controls_[limit_[k]]; }
  Control& Heading(int index) { return controls_[heading_[index]]; }
  void SetFocus(const Control& c);
  void BringToFront(Control& c);
  void SetLimitText(int k, const QString& text);  // a 範囲指定 box's text, with its change handling

  // Scrolling and refresh (grid_refresh.cpp).
  int32_t MaxGridOffset() const;       // the largest offset the arrows scroll to
  bool CanScroll(int32_t step) const;  // whether the grid can move by `step` days (+ = older)
  void Scroll(int arrow);
  void FillRow(int row, int32_t position);
  void ClearRow(int row);
  void TrendPass();
  void HidePanel();
  void ClearMark();
  int DayRow(int row) const;  // the grid row NoteDate() reads, or -1

  // Colour ranges (colour_ranges.cpp).
  int CurrentSubject() const;  // -1 when the caption names no subject
  void SelectSubject(int subject);
  void ApplyLimits();
  void PrepareBandLimits();
  void ColourCell(Control& cell, int subject);

  // Forecast row (forecast_row.cpp).
  bool StepWord(int32_t direction);
  void RepeatLastStep();
  // The forecast arrows' colours: `direction` 0 (up) or 1 (down) active, -1 both idle.
  void SetForecastArrows(int32_t direction);
  int32_t LastForecastDirection() const;  // read back from the arrows; -1 when none

  // Entry panels and editing (entry_panels.cpp, editing.cpp).
  void OpenAddPanel();
  void OpenModifyPanel(int row);
  void OpenDeletePanel(int row);
  void OpenDayPanel(int row, bool deleting);  // fills the modify or the delete panel
  void ChainPanel(std::initializer_list<int> members, int32_t left, int32_t top);
  void SetValueTips(bool topixMode);  // the two index boxes' tool tips by index mode
  bool CommitPanel();
  void DeleteDay();
  void Confirm();
  void Cancel();

  // Undo and redo (window_commands.cpp): what a step restores.
  struct EditState {
    std::array<DayRec, DaySeries::kMaxDays + 1> days;
    int32_t dayCnt = 0;
    QList<DayRec> archive;
    Notes notes;
    Table2 range;
  };
  EditState CaptureState() const;
  void RestoreState(EditState state, const ChangeInfo& info);
  // Shows the grid rows around the day of `date` (stored, or where it would stand).
  void ShowDay(const QString& date);
  void SaveAndStamp();  // データ保存: save, then the save time on the button
  bool SaveAll();       // saves every file; shows what failed; whether all was saved

  // Typing help in the entry panel (entry_checks.cpp).
  int PanelInputOf(const Control& c) const;  // the panel input box `c` is, or -1
  // Spreads the tab-separated fields of `text` over the visible input boxes from `first` on.
  void SpreadRow(int first, const QString& text);
  const DayRec* DayBeforeEntry();  // the stored day just before the one being entered
  void CheckEntry();               // marks values that look like typos
  void ClearEntryChecks();

  // 営業日変換, with a date the calendar cannot handle giving "" instead of an error.
  QString BusinessDay(const QString& date, int32_t days);
  // The day the forecast row and the add panel propose after `date`: the first business day
  // after it; "" when there is none or it lies beyond the two-digit-year window.
  QString NextTradingDay(const QString& date);

  // A date cell's tool tip and background as laid out, and the CalendarNote of its text
  // shown over them (the add panel's date box also notes a closed day).
  struct DateLook {
    QString toolTip;
    quint32 backColor;
  };
  void ShowCalendarNote(Control& cell, const DateLook& plain, bool closedToo);
  // The add panel's date box: its calendar note, or the warning that it names no date.
  void ShowDateNotes();
  DateLook dateBoxLook_, forecastDateLook_;

  // Values of a day as the grid shows them in the current index mode.
  double IndexValue(int32_t position) const;
  const WinSum& SumsAt(int32_t position) const;
  const DayInd& IndsAt(int32_t position) const;

  CLB_C1& clb_;
  Host& host_;
  std::unique_ptr<Notebook> ownNotebook_;  // when made over the start's tables
  Notebook& notebook_;
  std::vector<Control> controls_;
  QHash<QString, int> byName_;  // "array#index" -> position in controls_
  const Control* focus_ = nullptr;
  quint64 focusSerial_ = 0;
  quint64 chartRequests_ = 0;
  void EndProgram();
  bool ended_ = false;
  int32_t topZ_ = 1;  // the highest z handed out so far (the layout uses 0 and 1)

  // Positions in controls_ resolved once by the layout.
  std::array<int, kColumnCount> columnBase_{};
  int scrollArrowBase_ = 0;    // 移動(0) ... (3)
  int forecastArrowBase_ = 0;  // 上下(0) and (1)
  int subjectTitle_ = 0;
  int saveButton_ = 0, quitButton_ = 0;
  std::array<int, kHeadingCount> heading_{};
  std::array<int, 6> limit_{};
  std::array<int, 8> legend_{};
  std::array<int, kPanelCount> panel_{};
  std::array<QString, kPanelCount> panelTips_{};  // the input boxes' tool tips without marks
  std::array<bool, kPanelCount> typedInto_{};     // input boxes typed into since the panel opened

  DaySeries series_;
  Table2 range_{Table2::Bounds{2, 6}};
  Table2 bandLimits_{Table2::Bounds{2, 6}};  // range_ as numbers, for the band lookup
  int32_t gridOffset_ = 0;
  int markedRow_ = -1;  // the date cell outlined after a chart click
  IndexKind indexMode_ = IndexKind::Topix;
  int32_t editRow_ = -1;
  double forecastRatio_ = 0;
  UndoHistory<EditState> history_;
  bool archiveLoaded_ = false;
};

}  // namespace rdx508
