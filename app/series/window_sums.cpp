#include "app/series/window_sums.h"

#include <cstring>
#include <utility>

namespace rdx508 {

namespace {

// Eight days side by side make one vector (one register with 512-bit vectors, two or
// four on other machines); four vectors are summed at once, so that each addition has
// others to overlap with.
constexpr size_t kLanes = 8;
constexpr size_t kVectors = 4;
constexpr size_t kDaysAtOnce = kLanes * kVectors;
using Lanes = double __attribute__((vector_size(kLanes * sizeof(double))));
using Counts = int64_t __attribute__((vector_size(kLanes * sizeof(int64_t))));

// Vectors pass by reference here: by value their calling convention would depend on
// the vector width each copy of the kernel is built for.
template <typename Vector, typename T>
[[gnu::always_inline]] inline void Load(Vector& v, const T* from) {
  std::memcpy(&v, from, sizeof v);
}

// part × 100 / whole, or 0 where whole is 0, as IndicatorsOf computes it.
[[gnu::always_inline]] inline void Ratios(Lanes& ratio, const Lanes& part, const Lanes& whole) {
  ratio = part * 100.0 / whole;
  ratio = reinterpret_cast<Lanes>(reinterpret_cast<Counts>(ratio) & (whole != 0));
}

// Turns eight vectors round: afterwards lane f of row d is what lane d of row f was, so
// that eight fields of eight days become eight days of eight fields.
[[gnu::always_inline]] inline void Transpose(Lanes (&row)[kLanes]) {
  Lanes t[kLanes], u[kLanes];
  for (size_t f = 0; f < kLanes; f += 2) {
    t[f] = __builtin_shufflevector(row[f], row[f + 1], 0, 8, 2, 10, 4, 12, 6, 14);
    t[f + 1] = __builtin_shufflevector(row[f], row[f + 1], 1, 9, 3, 11, 5, 13, 7, 15);
  }
  for (size_t f = 0; f < kLanes; f += 4) {
    u[f] = __builtin_shufflevector(t[f], t[f + 2], 0, 1, 8, 9, 4, 5, 12, 13);
    u[f + 1] = __builtin_shufflevector(t[f + 1], t[f + 3], 0, 1, 8, 9, 4, 5, 12, 13);
    u[f + 2] = __builtin_shufflevector(t[f], t[f + 2], 2, 3, 10, 11, 6, 7, 14, 15);
    u[f + 3] = __builtin_shufflevector(t[f + 1], t[f + 3], 2, 3, 10, 11, 6, 7, 14, 15);
  }
  for (size_t d = 0; d < 4; ++d) {
    row[d] = __builtin_shufflevector(u[d], u[d + 4], 0, 1, 2, 3, 8, 9, 10, 11);
    row[d + 4] = __builtin_shufflevector(u[d], u[d + 4], 4, 5, 6, 7, 12, 13, 14, 15);
  }
}

// Adds day K of every window (the day itself is K = 0): vector v holds days first + 8v
// ... first + 8v + 7, and its day K lies K places on, in the loaded vectors v + K / 8
// and the one after it.
template <size_t K>
[[gnu::always_inline]] inline void AddDay(Lanes (&sum)[kVectors], const Lanes (&loaded)[2 * kVectors]) {
  constexpr int r = K % kLanes;
  for (size_t v = 0; v < kVectors; ++v)
    sum[v] += __builtin_shufflevector(loaded[v + K / kLanes], loaded[v + K / kLanes + 1], r, r + 1, r + 2,
                                      r + 3, r + 4, r + 5, r + 6, r + 7);
}

template <size_t From, size_t... K>
[[gnu::always_inline]] inline void AddDays(Lanes (&sum)[kVectors], const Lanes (&loaded)[2 * kVectors],
                                           std::index_sequence<K...>) {
  (AddDay<From + K>(sum, loaded), ...);
}

// The kernel is built once per vector width, and the widest the processor has is chosen
// when the program starts.
#if defined(__x86_64__)
#define RDX508_FOR_EACH_VECTOR_WIDTH \
  __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define RDX508_FOR_EACH_VECTOR_WIDTH
#endif

// Days first ... first + 31, those before `end` stored. Lane l of vector v holds day
// first + 8v + l and adds that day and the older days one by one, as that day on its own
// would. Past the oldest day the columns hold +0, which leaves a sum as it is: a sum that
// starts at +0 is never -0.
RDX508_FOR_EACH_VECTOR_WIDTH void DaysAtOnce(size_t first, size_t end, const DayColumns::Eight* topixColumn,
                                             const DayColumns::Eight* nikkeiColumn, const int64_t* upFrom,
                                             const int64_t* downFrom, WinSum* sums, DayInd* inds) {
  Lanes loadedTopix[2 * kVectors], loadedNikkei[2 * kVectors];
  for (size_t j = 0; j < 2 * kVectors; ++j) {
    Load(loadedTopix[j], topixColumn[first / kLanes + j].day);
    Load(loadedNikkei[j], nikkeiColumn[first / kLanes + j].day);
  }
  Lanes topix[kVectors] = {}, nikkei[kVectors] = {};
  AddDays<0>(topix, loadedTopix, std::make_index_sequence<5>());
  AddDays<0>(nikkei, loadedNikkei, std::make_index_sequence<5>());
  Lanes topix5[kVectors], nikkei5[kVectors];
  for (size_t v = 0; v < kVectors; ++v) {
    topix5[v] = topix[v];
    nikkei5[v] = nikkei[v];
  }
  AddDays<5>(topix, loadedTopix, std::make_index_sequence<20>());
  AddDays<5>(nikkei, loadedNikkei, std::make_index_sequence<20>());

  for (size_t v = 0; v < kVectors; ++v) {
    const size_t day = first + kLanes * v;
    if (day >= end) break;
    // Counts are whole numbers: their sums are exact in any order, here as differences
    // of running totals from the oldest day.
    Counts up, down, upBefore, downBefore, up5, down5, up25, down25;
    Load(up, upFrom + day);
    Load(down, downFrom + day);
    Load(upBefore, upFrom + day + 1);
    Load(downBefore, downFrom + day + 1);
    Load(up5, upFrom + day + 5);
    Load(down5, downFrom + day + 5);
    Load(up25, upFrom + day + 25);
    Load(down25, downFrom + day + 25);
    const Counts dayUp = up - upBefore, dayDown = down - downBefore;
    up5 = up - up5;
    down5 = down - down5;
    up25 = up - up25;
    down25 = down - down25;

    Lanes upRatio, upRatio5, adRatio;
    Ratios(upRatio, __builtin_convertvector(dayUp, Lanes), __builtin_convertvector(dayUp + dayDown, Lanes));
    Ratios(upRatio5, __builtin_convertvector(up5, Lanes), __builtin_convertvector(up5 + down5, Lanes));
    Ratios(adRatio, __builtin_convertvector(up25, Lanes), __builtin_convertvector(down25, Lanes));
    // Day by day: a WinSum is eight 8-byte fields, a DayInd seven.
    static_assert(sizeof(WinSum) == sizeof(Lanes) && sizeof(DayInd) == 7 * sizeof(double));
    Lanes sumRows[kLanes] = {topix5[v],
                             topix[v],
                             reinterpret_cast<Lanes>(up5),
                             reinterpret_cast<Lanes>(up25),
                             reinterpret_cast<Lanes>(down5),
                             reinterpret_cast<Lanes>(down25),
                             nikkei5[v],
                             nikkei[v]};
    Lanes indRows[kLanes] = {topix5[v] / 5.0, topix[v] / 25.0,  upRatio,          upRatio5,
                             adRatio,         nikkei5[v] / 5.0, nikkei[v] / 25.0, Lanes{}};
    Transpose(sumRows);
    Transpose(indRows);
    // A whole vector reaches one field into the next day's DayInd, which that day's own
    // row writes just after; the last day of all takes exactly its seven fields.
    auto store = [&](size_t l, size_t indBytes) {
      std::memcpy(static_cast<void*>(&sums[day + l]), &sumRows[l], sizeof(WinSum));
      std::memcpy(reinterpret_cast<unsigned char*>(inds) + (day + l) * sizeof(DayInd), &indRows[l], indBytes);
    };
    if (day + kLanes < end) {
      for (size_t l = 0; l < kLanes; ++l)
        store(l, sizeof(Lanes));
    } else {
      for (size_t l = 0; day + l < end; ++l) {
        if (day + l + 1 < end) {
          store(l, sizeof(Lanes));
        } else {
          store(l, sizeof(DayInd));
        }
      }
    }
  }
}

}  // namespace

void DayColumns::resize(size_t days) {
  // Room for the last 32 days and the 32 days after them that their windows load, all
  // zero: past the oldest day every value and every running total is 0.
  const size_t padded = (days + kDaysAtOnce - 1) / kDaysAtOnce * kDaysAtOnce + kDaysAtOnce;
  days_ = days;
  topix_.resize(padded / kLanes);
  nikkei_.resize(padded / kLanes);
  upFrom_.resize(padded);
  downFrom_.resize(padded);
  for (size_t i = days; i < padded; ++i) {
    topix_[i / kLanes].day[i % kLanes] = nikkei_[i / kLanes].day[i % kLanes] = 0.0;
    upFrom_[i] = downFrom_[i] = 0;
  }
}

void ComputeWindows(const DayColumns& days, std::span<WinSum> sums, std::span<DayInd> inds) {
  for (size_t first = 0; first < days.size(); first += kDaysAtOnce)
    DaysAtOnce(first, days.size(), days.topix_.data(), days.nikkei_.data(), days.upFrom_.data(),
               days.downFrom_.data(), sums.data(), inds.data());
}

}  // namespace rdx508
