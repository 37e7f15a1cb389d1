#pragma once
// A bounded history for undo and redo: each change records the state before it and what
// it did; undoing gives back that state and keeps the current one for redoing. Tracks
// whether the current state is the one last saved.

#include <QString>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <utility>

namespace rdx508 {

// What a recorded change did, for its menu caption and for showing it afterwards.
struct ChangeInfo {
  QString what;          // e.g. "25/01/14 の追加"
  QString date;          // the day it changed, "" for none
  int32_t subject = -1;  // the colour subject it changed, -1 for none
};

template <typename State>
class UndoHistory {
 public:
  explicit UndoHistory(size_t limit = 100) : limit_(limit) {}

  // A new change from `before`: what could be redone is gone.
  void Record(State before, ChangeInfo info) {
    undo_.push_back(std::make_unique<Entry>(Entry{std::move(before), std::move(info), version_}));
    if (undo_.size() > limit_) undo_.pop_front();
    redo_.clear();
    version_ = ++lastVersion_;
  }

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  const ChangeInfo* NextUndo() const { return undo_.empty() ? nullptr : &undo_.back()->info; }
  const ChangeInfo* NextRedo() const { return redo_.empty() ? nullptr : &redo_.back()->info; }

  // The state to restore for undoing the last change; `current` is kept for redoing it.
  std::optional<std::pair<State, ChangeInfo>> Undo(State current) {
    return Move(undo_, redo_, std::move(current));
  }
  std::optional<std::pair<State, ChangeInfo>> Redo(State current) {
    return Move(redo_, undo_, std::move(current));
  }

  // The current state is the saved one (after a load or a save).
  void MarkSaved() { savedVersion_ = version_; }
  bool IsModified() const { return version_ != savedVersion_; }
  void Clear() {
    undo_.clear();
    redo_.clear();
    MarkSaved();
  }

 private:
  struct Entry {
    State state;
    ChangeInfo info;
    uint64_t version;  // which state `state` is
  };

  // Entries are held by pointer: a state can be large, and a deque of them would set
  // aside room for one before the first change.
  using Entries = std::deque<std::unique_ptr<Entry>>;

  std::optional<std::pair<State, ChangeInfo>> Move(Entries& from, Entries& to, State current) {
    if (from.empty()) return std::nullopt;
    std::unique_ptr<Entry> entry = std::move(from.back());
    from.pop_back();
    to.push_back(std::make_unique<Entry>(Entry{std::move(current), entry->info, version_}));
    version_ = entry->version;
    return std::make_pair(std::move(entry->state), std::move(entry->info));
  }

  size_t limit_;
  Entries undo_, redo_;
  uint64_t version_ = 0, lastVersion_ = 0, savedVersion_ = 0;
};

}  // namespace rdx508
