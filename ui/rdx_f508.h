#pragma once
// RDX_F508, the main window 市況ノート, as behaviour over a model of its controls: the
// grid of 26 days and the forecast row, scrolling, colour ranges, entry panels, editing,
// saving and exit. A view renders the controls and forwards clicks and typing.

#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

#include "app/day_series.h"
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
  void UpdateForecast(int32_t request, int32_t direction);

  // For the view: every control, in creation order (stable for the window's life).
  const std::vector<Control>& controls() const { return controls_; }
  // The control that should hold the keyboard focus, and a counter that grows each
  // time the model moves the focus, so a view knows when to follow.
  const Control* focusControl() const { return focus_; }
  quint64 focusSerial() const { return focusSerial_; }
  // Window size in twips (client area).
  static constexpr int32_t kClientWidth = 13320;
  static constexpr int32_t kClientHeight = 8235;

 private:
  CLB_C1& clb_;
  Host& host_;
  const StartupTables& tables_;
  std::vector<Control> controls_;
  QHash<QString, int> byName_;  // "array#index" -> position in controls_
  const Control* focus_ = nullptr;
  quint64 focusSerial_ = 0;
  // The rest of the window's state lives below (day series, offsets, range table, ...).
};

}  // namespace rdx508
