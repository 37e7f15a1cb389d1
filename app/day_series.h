#pragma once
// The day series of the main window, newest day first, and the moving sums and
// indicators derived from it.

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace rdx508 {

struct DayRec {  // one trading day; an empty Date marks a position that holds no day
  QString Date;
  double Topix = 0;
  int32_t Up = 0;
  int32_t Down = 0;
  double Nikkei = 0;
};

// Window sums of one day. The issue-count sums are 64-bit so that 25 days of counts
// near the 32-bit limit cannot overflow.
struct WinSum {
  double Tp5 = 0;
  double Tp25 = 0;
  int64_t Up5 = 0;
  int64_t Up25 = 0;
  int64_t Dn5 = 0;
  int64_t Dn25 = 0;
  double Nk5 = 0;
  double Nk25 = 0;
};

struct DayInd {  // indicators of one day
  double Tp5Avg = 0;
  double Tp25Avg = 0;
  double UpRatio = 0;
  double UpRatio5 = 0;
  double AdRatio = 0;
  double Nk5Avg = 0;
  double Nk25Avg = 0;
};

class DaySeries {
 public:
  static constexpr int32_t kMaxDays = 998;  // positions 1 ... 998 hold days

  std::array<DayRec, kMaxDays + 1> Days;  // position 1 is the newest day; 0 is never a day
  int32_t DayCnt = 0;                     // days in positions 1 ... DayCnt
  std::vector<WinSum> Sums;               // positions 0 ... DayCnt
  std::vector<DayInd> Inds;               // positions 0 ... DayCnt

  // Recomputes Sums and Inds from Days and DayCnt.
  void ComputeIndicators();
};

}  // namespace rdx508
