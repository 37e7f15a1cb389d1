#pragma once
// The dynamic value (empty, a number or a text) that the utility class and the window
// pass around, and the N-index tables of such values that the readers fill.

#include <QString>
#include <QStringView>
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <variant>
#include <vector>

#include "toolkit/sparse_entries.h"

namespace rdx508 {

class Value {  // empty, a number, or a text
 public:
  Value() = default;
  Value(double number) : v_(number) {}
  Value(int number) : v_(static_cast<double>(number)) {}
  Value(const QString& text) : v_(text) {}
  Value(const char16_t* text) : v_(QString::fromUtf16(text)) {}
  // A text; a short one is held inside the value, so that a reader filling a table with
  // many short fields allocates nothing per field.
  static Value ofText(QStringView text);

  bool isEmpty() const { return std::holds_alternative<std::monostate>(v_); }
  bool isNumber() const { return std::holds_alternative<double>(v_); }
  bool isText() const { return std::holds_alternative<QString>(v_) || std::holds_alternative<ShortText>(v_); }
  bool isNumeric() const;   // a number, or a text that reads as one
  double toNumber() const;  // the number, a numeric text's number, otherwise 0
  // The number of a number or of a numeric text, read once; nullopt otherwise.
  std::optional<double> numeric() const;
  QString toText() const;  // a text as is, a number as its shortest decimal text, empty as ""

  // Empty equals "" and 0; numbers compare by value; texts exactly; a number and a
  // numeric text by value.
  friend bool operator==(const Value& a, const Value& b);

 private:
  // A text of up to kCapacity UTF-16 units, held in place.
  struct ShortText {
    static constexpr size_t kCapacity = 11;
    std::array<char16_t, kCapacity> units;
    std::uint8_t size;
  };

  QStringView textView() const;  // the text of a text value, empty otherwise

  std::variant<std::monostate, double, QString, ShortText> v_;
};

template <int N>
class Table {  // N indices, each from 0 to its upper bound
 public:
  using Bounds = std::array<int32_t, N>;  // inclusive upper bounds; -1 = an empty dimension

  Table() { bounds_.fill(-1); }                   // every dimension empty
  explicit Table(Bounds upper) { redim(upper); }  // every entry empty

  // Replaces shape and content, every entry empty. Small tables keep their entries in
  // one block; large ones only hold the entries that were written, so a declared shape
  // never costs memory by itself.
  void redim(Bounds upper) {
    std::uint64_t count = 1;
    for (int32_t b : upper) {
      if (b < -1) throw std::out_of_range("negative table bound");
      const std::uint64_t extent = static_cast<std::uint64_t>(b + 1);
      count = std::min<std::uint64_t>(count * extent, kDenseLimit + 1);  // no overflow: both small
    }
    bounds_ = upper;
    sparse_.clear();
    dense_.clear();
    dense_.shrink_to_fit();
    isDense_ = count <= kDenseLimit;
    if (isDense_) dense_.resize(static_cast<size_t>(count));
  }

  int32_t upperBound(int dimension) const {
    if (dimension < 0 || dimension >= N) throw std::out_of_range("table dimension");
    return bounds_[static_cast<size_t>(dimension)];
  }

  // std::out_of_range outside the bounds.
  Value& operator()(auto... index) {
    static_assert(sizeof...(index) == N, "wrong number of indices");
    const Bounds key{static_cast<int32_t>(index)...};
    check(key, {static_cast<std::int64_t>(index)...});
    if (isDense_) return dense_[denseOffset(key)];
    return sparse_[key];
  }
  const Value& operator()(auto... index) const {
    static_assert(sizeof...(index) == N, "wrong number of indices");
    const Bounds key{static_cast<int32_t>(index)...};
    check(key, {static_cast<std::int64_t>(index)...});
    if (isDense_) return dense_[denseOffset(key)];
    const Value* stored = sparse_.find(key);
    return stored ? *stored : empty_;
  }

  // Makes room for `entries` written entries, for a caller that knows roughly how many it
  // will write; a hint only.
  void reserve(size_t entries) {
    if (!isDense_) sparse_.reserve(entries);
  }

  // How many entries hold storage (for checks that a declared shape costs nothing).
  size_t storedEntries() const { return isDense_ ? dense_.size() : sparse_.size(); }

 private:
  static constexpr std::uint64_t kDenseLimit = 1u << 16;

  void check(const Bounds&, const std::array<std::int64_t, N>& wide) const {
    for (int d = 0; d < N; ++d) {
      if (wide[d] < 0 || wide[d] > bounds_[d]) throw std::out_of_range("table index out of range");
    }
  }
  size_t denseOffset(const Bounds& key) const {
    size_t offset = 0;
    for (int d = 0; d < N; ++d)
      offset = offset * (static_cast<size_t>(bounds_[d]) + 1) + key[d];
    return offset;
  }

  Bounds bounds_;
  bool isDense_ = true;
  std::vector<Value> dense_;
  SparseEntries<Value, N> sparse_;
  inline static const Value empty_{};
};

using List = Table<1>;
using Table2 = Table<2>;
using Table3 = Table<3>;
using Table5 = Table<5>;

}  // namespace rdx508
