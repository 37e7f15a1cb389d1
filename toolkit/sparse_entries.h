#pragma once
// Internal to toolkit/: the storage of a large Table, holding only the entries that were
// written. Entries lie in blocks, in the order they were first written, so that filling
// and freeing a table costs a few allocations per block rather than one per entry, and
// a reference to an entry stays valid while the table grows.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace rdx508 {

// Whether this build runs under AddressSanitizer (g++ and clang say so differently).
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSparseUnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSparseUnderAddressSanitizer = true;
#else
inline constexpr bool kSparseUnderAddressSanitizer = false;
#endif
#else
inline constexpr bool kSparseUnderAddressSanitizer = false;
#endif

template <typename Element, size_t N>
class SparseEntries {
 public:
  using Key = std::array<int32_t, N>;

  SparseEntries() = default;
  ~SparseEntries() { clear(); }
  SparseEntries(SparseEntries&& other) noexcept
      : blocks_(std::move(other.blocks_)), slots_(std::move(other.slots_)), count_(other.count_) {
    other.clear();
  }
  SparseEntries& operator=(SparseEntries&& other) noexcept {
    if (this != &other) {
      blocks_ = std::move(other.blocks_);
      slots_ = std::move(other.slots_);
      count_ = other.count_;
      other.clear();
    }
    return *this;
  }
  SparseEntries(const SparseEntries& other) { copyFrom(other); }
  SparseEntries& operator=(const SparseEntries& other) {
    if (this != &other) {
      clear();
      copyFrom(other);
    }
    return *this;
  }

  size_t size() const { return count_; }

  void clear() {
    for (size_t b = 0; b < blocks_.size(); ++b) {
      const size_t used = std::min(kBlock, count_ - b * kBlock);
      Recycle(std::move(blocks_[b]), used);
    }
    blocks_.clear();
    slots_.clear();
    count_ = 0;
  }

  // Makes room for `entries` elements in all, so that filling that many moves nothing.
  void reserve(size_t entries) {
    if (entries * 2 > slots_.size()) rehash(std::bit_ceil(entries * 2));
    blocks_.reserve((entries + kBlock - 1) / kBlock);
  }

  // The element of `key`, or nullptr when it was never written.
  const Element* find(const Key& key) const {
    if (slots_.empty()) return nullptr;
    const uint64_t h = Hash(key);
    for (size_t slot = home(h, key);; slot = (slot + 1) & mask()) {
      const uint32_t filed = slots_[slot];
      if (filed == 0) return nullptr;
      if (Same(at(filed - 1).key, key)) return &at(filed - 1).element;
    }
  }

  // The element of `key`, added as Element() when new.
  Element& operator[](const Key& key) {
    if ((count_ + 1) * 2 > slots_.size()) grow();
    const uint64_t h = Hash(key);
    size_t slot = home(h, key);
    for (;; slot = (slot + 1) & mask()) {
      const uint32_t filed = slots_[slot];
      if (filed == 0) break;
      if (Same(at(filed - 1).key, key)) return at(filed - 1).element;
    }
    if (count_ % kBlock == 0) blocks_.push_back(TakeBlock());
    Entry& added = at(static_cast<uint32_t>(count_));
    added.key = key;
    slots_[slot] = static_cast<uint32_t>(++count_);
    return added.element;
  }

 private:
  struct Entry {
    Key key{};
    Element element{};
  };
  static constexpr size_t kBlock = 256;
  using Block = std::unique_ptr<Entry[]>;

  // Blocks that freed tables leave for the next tables of this kind, up to a limit: a
  // program that reads file after file then fills the same memory again instead of
  // having the system hand out and clear fresh pages each time. Under AddressSanitizer
  // every block is freed, so that a use after free is still caught.
  static constexpr bool kRecycleBlocks = !kSparseUnderAddressSanitizer;
  static constexpr size_t kKeptBlocks = (16u << 20) / (kBlock * sizeof(Entry));
  struct Spare {
    std::mutex lock;
    std::vector<Block> blocks;
  };
  static Spare& Spares() {
    static Spare* spare = new Spare();  // never destroyed: tables may outlive static objects
    return *spare;
  }
  static Block TakeBlock() {
    if constexpr (kRecycleBlocks) {
      Spare& spare = Spares();
      const std::lock_guard<std::mutex> guard(spare.lock);
      if (!spare.blocks.empty()) {
        Block block = std::move(spare.blocks.back());
        spare.blocks.pop_back();
        return block;
      }
    }
    return std::make_unique<Entry[]>(kBlock);
  }
  static void Recycle(Block block, size_t used) {
    if constexpr (kRecycleBlocks) {
      for (size_t e = 0; e < used; ++e)
        block[e] = Entry{};
      Spare& spare = Spares();
      const std::lock_guard<std::mutex> guard(spare.lock);
      if (spare.blocks.size() < kKeptBlocks) spare.blocks.push_back(std::move(block));
    }
  }

  // Index by index: keys are a few integers, too short for a library compare to pay.
  static bool Same(const Key& a, const Key& b) {
    for (size_t d = 0; d < N; ++d)
      if (a[d] != b[d]) return false;
    return true;
  }

  Entry& at(uint32_t entry) { return blocks_[entry / kBlock][entry % kBlock]; }
  const Entry& at(uint32_t entry) const { return blocks_[entry / kBlock][entry % kBlock]; }
  size_t mask() const { return slots_.size() - 1; }

  // The key's indices folded into one number and mixed, leaving out the low three bits of
  // the first two indices.
  static uint64_t Hash(const Key& key) {
    uint64_t h = 0;
    for (size_t d = 0; d < N; ++d)
      h = (h ^ (static_cast<uint32_t>(key[d]) >> (d < 2 ? 3 : 0))) * 0x9E3779B97F4A7C15ull;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    return h;
  }
  // The first slot to look at. Keys that differ only in those low bits (neighbouring
  // fields of neighbouring rows of a table read from a file) lie side by side in groups
  // of 64 slots, a row's fields next to each other, so that filling rows in order walks
  // along the slots.
  size_t home(uint64_t h, const Key& key) const {
    size_t within = static_cast<uint32_t>(key[0]) & 7;
    if constexpr (N > 1) within |= (static_cast<uint32_t>(key[1]) & 7) << 3;
    return ((static_cast<size_t>(h) & ~size_t{63}) + within) & mask();
  }

  // Doubles the slots (at least 16) and files every entry again.
  void grow() { rehash(std::max<size_t>(16, slots_.size() * 2)); }

  void rehash(size_t slotCount) {
    slots_.assign(slotCount, 0);
    for (uint32_t entry = 0; entry < count_; ++entry) {
      const uint64_t h = Hash(at(entry).key);
      size_t slot = home(h, at(entry).key);
      while (slots_[slot] != 0)
        slot = (slot + 1) & mask();
      slots_[slot] = entry + 1;
    }
  }

  void copyFrom(const SparseEntries& other) {
    reserve(other.count_);
    for (uint32_t entry = 0; entry < other.count_; ++entry)
      (*this)[other.at(entry).key] = other.at(entry).element;
  }

  std::vector<std::unique_ptr<Entry[]>> blocks_;
  std::vector<uint32_t> slots_;  // 0 = free, otherwise the entry's number + 1
  size_t count_ = 0;
};

}  // namespace rdx508
