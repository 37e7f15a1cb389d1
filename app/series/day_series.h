#pragma once
// The day series of the main window, newest day first, and the moving sums and
// indicators derived from it.

#include <QList>
#include <QMap>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
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

// The notes of the days by date text. A Qt map, so that an undo step's copy shares it.
using Notes = QMap<QString, QString>;

// The indicators of a day from the day itself and its window sums: the averages divide by
// 5 and 25 always; a ratio over a total of 0 is 0.
DayInd IndicatorsOf(const DayRec& day, const WinSum& sum);

class DaySeries {
 public:
  static constexpr int32_t kMaxDays = 998;  // positions 1 ... 998 hold days

  std::array<DayRec, kMaxDays + 1> Days;  // position 1 is the newest day; 0 is never a day
  int32_t DayCnt = 0;                     // days in positions 1 ... DayCnt
  std::vector<WinSum> Sums;               // positions 0 ... DayCnt
  std::vector<DayInd> Inds;               // positions 0 ... DayCnt
  // Days that an insert pushed beyond position 998, newest first. A Qt list, so that a
  // copy of the series (an undo step) shares it until one of them changes it.
  QList<DayRec> Archive;
  Notes DayNotes;  // a note per day that has one, by date; kept in a file of its own

  // Recomputes Sums and Inds from Days and DayCnt.
  void ComputeIndicators();

  // The position a new day of `date` belongs at: the first position whose day is earlier
  // (an empty position is earlier than every date), or 998 when the series is full and
  // every stored day is later. nullopt when a day of that date is stored already, in the
  // series or in the archive.
  std::optional<int32_t> PositionFor(const QString& date) const;
  // Puts `day` at `position` (1 ... 998); the days from there on move one position down.
  // In a full series the oldest day, at 998, moves to the front of the archive.
  void Insert(int32_t position, const DayRec& day);
  // Takes the day at `position` (1 ... DayCnt) out, with its note; the days after it move
  // one position up and position DayCnt becomes empty. Returns the day taken.
  DayRec Remove(int32_t position);
};

}  // namespace rdx508
