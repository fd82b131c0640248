#pragma once
// Every change to the drawing, kept as the steps that made it and grouped
// into the user's actions, so that an action can be taken back and made
// again exactly. How far back it reaches is bounded only by memory.

#include <functional>
#include <span>
#include <vector>

#include "drawing/record_store.h"
#include "drawing/store_watcher.h"

namespace plv {

struct StoreStep {
  enum class Kind { kWrite, kAppend, kDrop, kInsert, kRemove };
  Kind kind = Kind::kWrite;
  long number = 0;
  Record before, after;  // a write's two records; the record appended, dropped, inserted or removed in `after`
  friend bool operator==(const StoreStep&, const StoreStep&) = default;
};

// Makes the steps on `store` in order; a run of inserts (or removals) is
// made in one pass, as the store told it.
void apply_steps(RecordStore& store, std::span<const StoreStep> steps);
// The same, only when each step finds the record it says it found (and
// its number in range); otherwise the store is left as it was: false.
bool apply_steps_checked(RecordStore& store, std::span<const StoreStep> steps);
// The step that takes `step` back.
StoreStep inverse(const StoreStep& step);

// The actions that can be taken back (oldest first) and made again (the
// next to be made again last).
using JournalAction = std::vector<StoreStep>;
struct JournalHistory {
  std::vector<JournalAction> done, undone;
};

class ChangeJournal final : public StoreWatcher {
 public:
  void written(long number, const Record& before, const Record& after) override;
  void appended(long number, const Record& record) override;
  void dropped(long number, const Record& record) override;
  void inserted(long number, const Record& record) override;
  void removed(long number, const Record& record) override;
  void cleared() override { forget(); }

  // The steps since the last end become one action (none: nothing).
  void end_action();
  // Nothing to take back or make again: a drawing was opened or started.
  void forget();

  bool can_undo() const { return !history_.done.empty() || !current_.empty(); }
  bool can_redo() const { return !history_.undone.empty(); }
  // The last action taken back or made again on `store`, whose watcher
  // this journal is; false when there is none, or when its records are
  // not those the action left (the store is then as it was).
  bool undo(RecordStore& store);
  bool redo(RecordStore& store);

  // What can be taken back and made again (the action in progress ended
  // first), and the same put in place of this journal's.
  const JournalHistory& history();
  void restore(JournalHistory history);

  // Told of every step as it is made, of each action's end, and of each
  // action taken back or made again, for a copy kept outside the program:
  // replayed in order, they give the store and the history as they are.
  struct Listener {
    std::function<void(const StoreStep&)> step;
    std::function<void()> action_ended, undone, redone, forgotten;
  };
  void listen(Listener listener) { listener_ = std::move(listener); }

  // Counts every change to the store, every action taken back or made
  // again and every history put in place, and is never set back: the same
  // count twice means the store has not changed in between.
  long changes() const { return changes_; }

 private:
  void add(StoreStep step);
  using Action = JournalAction;
  // The last action of `from` taken back (`back`) or made again, then kept in `to`.
  bool move_action(std::vector<Action>& from, std::vector<Action>& to, RecordStore& store, bool back);
  void told(const StoreStep& step) const {
    if (listener_.step) listener_.step(step);
  }

  JournalHistory history_;
  Action current_;
  bool replaying_ = false;
  Listener listener_;
  long changes_ = 0;
};

}  // namespace plv
