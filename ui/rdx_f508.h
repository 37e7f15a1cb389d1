#pragma once
// RDX_F508, the main window 市況ノート, as behaviour over a model of its controls: the
// grid of 26 days and the forecast row, scrolling, colour ranges, entry panels, editing,
// saving and exit. A view renders the controls and forwards clicks and typing.

#include <QHash>
#include <QString>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "app/day_series.h"
#include "app/import_merge.h"
#include "app/startup.h"
#include "toolkit/clb_c1.h"
#include "toolkit/host.h"
#include "toolkit/value.h"
#include "ui/control.h"

namespace rdx508 {

class RDX_F508 {
 public:
  RDX_F508(CLB_C1& clb, Host& host, const StartupTables& tables);
  void Form_Load();
  void Form_Unload();                                                  // the save question, then the end
  void click(const QString& array, int index = -1);                    // a label or button click
  void setText(const QString& array, int index, const QString& text);  // typing; raises change events
  Control& control(const QString& array, int index = -1);              // std::out_of_range if unknown
  const DaySeries& series() const;
  int32_t GridOffset() const;
  int32_t IndexMode() const;
  int32_t EditRow() const;
  const Value& Range(int subject, int band) const;  // the colour-range table
  void SaveData();
  void RedrawGrid();
  // Scrolls the grid so that day position `position` is its top row, as far as the scroll
  // arrows could take it, and redraws.
  void ScrollToPosition(int32_t position);
  void UpdateForecast(int32_t request, int32_t direction);
  // Merges imported days into the series (new days in date order, differing ones only
  // when overwriting) and redraws, keeping the grid's scroll place; returns what changed.
  ImportResult ImportDays(const std::vector<ImportedDay>& days, ImportMode mode);
  // True once the window has ended the program (終了, or a close that was not stopped
  // by a failed save).
  bool HasEnded() const { return ended_; }

  // For the view: every control, in creation order (stable for the window's life).
  const std::vector<Control>& controls() const { return controls_; }
  // The control that should hold the keyboard focus, and a counter that grows each
  // time the model moves the focus, so a view knows when to follow.
  const Control* focusControl() const { return focus_; }
  quint64 focusSerial() const { return focusSerial_; }
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
  static constexpr int kForecastRow = 26;             // cell index of the forecast row in every column
  static constexpr int kGridRows = 26;                // day rows shown
  static constexpr quint32 kWindowBack = 0x00FFFFFF;  // the window's own background

 private:
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
  static constexpr quint32 kArrowUpIdle = 0x00C0C0FF, kArrowDownIdle = 0x00FFC0C0;

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

  // Colour ranges (colour_ranges.cpp).
  int CurrentSubject() const;  // -1 when the caption names no subject
  void SelectSubject(int subject);
  void ApplyLimits();
  void PrepareBandLimits();
  void ColourCell(Control& cell, int subject);

  // Forecast row (forecast_row.cpp).
  bool StepWord(int32_t direction);
  void RepeatLastStep();

  // Entry panels and editing (entry_panels.cpp, editing.cpp).
  void OpenAddPanel();
  void OpenModifyPanel(int row);
  void OpenDeletePanel(int row);
  void ChainPanel(std::initializer_list<int> members, int32_t left, int32_t top);
  bool CommitPanel();
  void DeleteDay();
  void Confirm();
  void Cancel();

  // 営業日変換, with a date the calendar cannot handle giving "" instead of an error.
  QString BusinessDay(const QString& date, int32_t days);

  // Values of a day as the grid shows them in the current index mode.
  double IndexValue(int32_t position) const;
  const WinSum& SumsAt(int32_t position) const;
  const DayInd& IndsAt(int32_t position) const;

  CLB_C1& clb_;
  Host& host_;
  const StartupTables& tables_;
  std::vector<Control> controls_;
  QHash<QString, int> byName_;  // "array#index" -> position in controls_
  const Control* focus_ = nullptr;
  quint64 focusSerial_ = 0;
  void EndProgram();
  bool ended_ = false;
  int32_t topZ_ = 1;  // the highest z handed out so far (the layout uses 0 and 1)

  // Positions in controls_ resolved once by the layout.
  std::array<int, kColumnCount> columnBase_{};
  int moveBase_ = 0, arrowBase_ = 0, subjectTitle_ = 0;
  int saveButton_ = 0, quitButton_ = 0;
  std::array<int, 12> heading_{};
  std::array<int, 6> limit_{};
  std::array<int, 8> legend_{};
  std::array<int, kPanelCount> panel_{};

  DaySeries series_;
  Table2 range_{Table2::Bounds{2, 6}};
  Table2 bandLimits_{Table2::Bounds{2, 6}};  // range_ as numbers, for the band lookup
  int32_t gridOffset_ = 0;
  int32_t indexMode_ = 0;
  int32_t editRow_ = -1;
  double forecastRatio_ = 0;
};

}  // namespace rdx508
