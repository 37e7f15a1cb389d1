#pragma once
// A main window over tables filled the way the start-up reader fills them, with a fake
// host, and helpers to build day series.

#include <gtest/gtest.h>

#include <QDate>
#include <array>
#include <memory>
#include <ostream>
#include <vector>

#include "support/fake_host.h"
#include "ui/rdx_f508.h"

inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace rdx508::testing {

struct DayRow {  // one row of the day file, every field a text as the reader files it
  QString date, topix, up, down, nikkei;
};
using Limits = std::array<std::array<QString, 7>, 3>;

// `count` weekday dates "yy/MM/dd", newest first, the newest on `newest`.
std::vector<QString> WeekdayDates(int count, QDate newest = QDate(2007, 3, 14));
std::vector<DayRow> UniformDays(int count, double topix = 1000, int up = 600, int down = 400,
                                double nikkei = 17000);
Limits DefaultLimits();  // subject 0: 20 45 50 55 60 80 (empty); 1: 30 ... 80 90; 2: 70 ... 150 999

class FormTest : public ::testing::Test {
 protected:
  FakeHost host;
  CLB_C1 clb{host};
  StartupTables tables;
  std::unique_ptr<RDX_F508> form;

  // Builds a new window over these rows and limits and runs its load step.
  void Load(const std::vector<DayRow>& rows, const Limits& limits = DefaultLimits());
  Control& C(const QString& array, int index = -1) { return form->control(array, index); }
  const QString& Text(const QString& array, int index = -1) { return C(array, index).text; }
  bool PanelOpen() { return C(QStringLiteral("修正")).visible || C(QStringLiteral("削除")).visible; }
};

}  // namespace rdx508::testing
