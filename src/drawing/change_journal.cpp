#include "drawing/change_journal.h"

namespace plv {

void ChangeJournal::add(StoreStep step) {
  if (replaying_) return;
  told(step);
  // A step that takes back the one before it (a record put back as it
  // was) leaves the action as if neither had been made.
  if (!current_.empty() && current_.back() == inverse(step)) {
    current_.pop_back();
    return;
  }
  current_.push_back(std::move(step));
}

void ChangeJournal::written(long number, const Record& before, const Record& after) {
  if (before == after) return;  // nothing changed
  add({StoreStep::Kind::kWrite, number, before, after});
}

void ChangeJournal::appended(long number, const Record& record) {
  add({StoreStep::Kind::kAppend, number, Record(), record});
}

void ChangeJournal::dropped(long number, const Record& record) {
  add({StoreStep::Kind::kDrop, number, Record(), record});
}

void ChangeJournal::inserted(long number, const Record& record) {
  add({StoreStep::Kind::kInsert, number, Record(), record});
}

void ChangeJournal::removed(long number, const Record& record) {
  add({StoreStep::Kind::kRemove, number, Record(), record});
}

void ChangeJournal::end_action() {
  if (current_.empty()) return;
  done_.push_back(std::move(current_));
  current_.clear();
  undone_.clear();  // a new action ends what could be made again
  if (listener_.action_ended) listener_.action_ended();
}

void ChangeJournal::forget() {
  done_.clear();
  undone_.clear();
  current_.clear();
  if (listener_.forgotten) listener_.forgotten();
}

namespace {

// The steps from `at` on that continue its run of inserts in ascending
// order, or of removals in descending order.
size_t run_length(std::span<const StoreStep> steps, size_t at) {
  const StoreStep::Kind kind = steps[at].kind;
  size_t end = at + 1;
  while (end < steps.size() && steps[end].kind == kind &&
         (kind == StoreStep::Kind::kInsert ? steps[end].number > steps[end - 1].number
                                           : steps[end].number < steps[end - 1].number))
    ++end;
  return end - at;
}

}  // namespace

void apply_steps(RecordStore& store, std::span<const StoreStep> steps) {
  for (size_t at = 0; at < steps.size();) {
    const StoreStep& step = steps[at];
    if (step.kind == StoreStep::Kind::kInsert || step.kind == StoreStep::Kind::kRemove) {
      const size_t n = run_length(steps, at);
      if (step.kind == StoreStep::Kind::kInsert) {
        std::vector<PlacedRecord> placed;
        for (size_t i = at; i < at + n; ++i) placed.push_back({steps[i].number, steps[i].after});
        store.insert(placed);
      } else {
        std::vector<long> numbers;
        for (size_t i = at + n; i-- > at;) numbers.push_back(steps[i].number);
        store.remove(numbers);
      }
      at += n;
      continue;
    }
    switch (step.kind) {
      case StoreStep::Kind::kWrite: store.write(step.number, step.after); break;
      case StoreStep::Kind::kAppend: store.append(step.after); break;
      default: store.drop_last(); break;
    }
    ++at;
  }
}

StoreStep ChangeJournal::inverse(const StoreStep& step) {
  switch (step.kind) {
    case StoreStep::Kind::kWrite: return {StoreStep::Kind::kWrite, step.number, step.after, step.before};
    case StoreStep::Kind::kAppend: return {StoreStep::Kind::kDrop, step.number, Record(), step.after};
    case StoreStep::Kind::kDrop: return {StoreStep::Kind::kAppend, step.number, Record(), step.after};
    case StoreStep::Kind::kInsert: return {StoreStep::Kind::kRemove, step.number, Record(), step.after};
    case StoreStep::Kind::kRemove: return {StoreStep::Kind::kInsert, step.number, Record(), step.after};
  }
  return step;
}

bool ChangeJournal::move_action(std::vector<Action>& from, std::vector<Action>& to, RecordStore& store,
                                bool back) {
  end_action();
  if (from.empty()) return false;
  Action action = std::move(from.back());
  from.pop_back();
  Action steps;
  if (back) {
    for (auto step = action.rbegin(); step != action.rend(); ++step) steps.push_back(inverse(*step));
  } else {
    steps = action;
  }
  replaying_ = true;
  apply_steps(store, steps);
  replaying_ = false;
  for (const StoreStep& step : steps) told(step);
  to.push_back(std::move(action));
  if (listener_.action_ended) listener_.action_ended();
  return true;
}

bool ChangeJournal::undo(RecordStore& store) { return move_action(done_, undone_, store, true); }
bool ChangeJournal::redo(RecordStore& store) { return move_action(undone_, done_, store, false); }

}  // namespace plv
