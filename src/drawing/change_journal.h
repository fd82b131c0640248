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

  bool can_undo() const { return !done_.empty() || !current_.empty(); }
  bool can_redo() const { return !undone_.empty(); }
  // The last action taken back or made again on `store`, whose watcher
  // this journal is; false when there is none.
  bool undo(RecordStore& store);
  bool redo(RecordStore& store);

  // Told of every step as it is made, and of each action's end, for a
  // copy kept outside the program. Taking an action back is told as the
  // steps that undo it, making it again as its own steps, each then ended
  // like an action: applied in order, the steps give the store as it is.
  struct Listener {
    std::function<void(const StoreStep&)> step;
    std::function<void()> action_ended, forgotten;
  };
  void listen(Listener listener) { listener_ = std::move(listener); }

 private:
  void add(StoreStep step);
  static StoreStep inverse(const StoreStep& step);
  // The last action of `from` taken back (`back`) or made again, then kept in `to`.
  using Action = std::vector<StoreStep>;
  bool move_action(std::vector<Action>& from, std::vector<Action>& to, RecordStore& store, bool back);
  void told(const StoreStep& step) const {
    if (listener_.step) listener_.step(step);
  }

  std::vector<Action> done_, undone_;
  Action current_;
  bool replaying_ = false;
  Listener listener_;
};

}  // namespace plv
