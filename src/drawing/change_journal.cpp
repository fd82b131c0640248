#include "drawing/change_journal.h"

namespace plv {

void ChangeJournal::add(StoreStep step) {
  if (replaying_) return;
  ++changes_;
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
  history_.done.push_back(std::move(current_));
  current_.clear();
  history_.undone.clear();  // a new action ends what could be made again
  if (listener_.action_ended) listener_.action_ended();
}

void ChangeJournal::forget() {
  history_.done.clear();
  history_.undone.clear();
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

namespace {

// Whether `steps[at]` and the rest of its run find the store as they say.
bool run_fits(const RecordStore& store, std::span<const StoreStep> steps, size_t at, size_t n) {
  const StoreStep& step = steps[at];
  switch (step.kind) {
    case StoreStep::Kind::kWrite: return step.number >= 1 && step.number <= store.count() && store.read(step.number) == step.before;
    case StoreStep::Kind::kAppend: return true;
    case StoreStep::Kind::kDrop: return store.count() > 0 && store.read(store.count()) == step.after;
    case StoreStep::Kind::kInsert: return step.number >= 1 && steps[at + n - 1].number <= store.count() + static_cast<long>(n);
    case StoreStep::Kind::kRemove:
      for (size_t i = at; i < at + n; ++i)
        if (steps[i].number < 1 || steps[i].number > store.count() || !(store.read(steps[i].number) == steps[i].after)) return false;
      return true;
  }
  return false;
}

size_t run_at(std::span<const StoreStep> steps, size_t at) {
  const auto kind = steps[at].kind;
  return kind == StoreStep::Kind::kInsert || kind == StoreStep::Kind::kRemove ? run_length(steps, at) : 1;
}

}  // namespace

bool apply_steps_checked(RecordStore& store, std::span<const StoreStep> steps) {
  size_t at = 0;
  while (at < steps.size()) {
    const size_t n = run_at(steps, at);
    if (!run_fits(store, steps, at, n)) break;
    apply_steps(store, steps.subspan(at, n));
    at += n;
  }
  if (at == steps.size()) return true;
  // Taken back, as the steps made so far always fit.
  std::vector<StoreStep> back;
  for (size_t i = at; i-- > 0;) back.push_back(inverse(steps[i]));
  apply_steps(store, back);
  return false;
}

StoreStep inverse(const StoreStep& step) {
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
  Action steps;
  if (back) {
    for (auto step = from.back().rbegin(); step != from.back().rend(); ++step) steps.push_back(inverse(*step));
  } else {
    steps = from.back();
  }
  replaying_ = true;
  const bool made = apply_steps_checked(store, steps);
  replaying_ = false;
  if (!made) return false;
  ++changes_;
  to.push_back(std::move(from.back()));
  from.pop_back();
  const auto& told = back ? listener_.undone : listener_.redone;
  if (told) told();
  return true;
}

const JournalHistory& ChangeJournal::history() {
  end_action();
  return history_;
}

void ChangeJournal::restore(JournalHistory history) {
  current_.clear();
  history_ = std::move(history);
  ++changes_;
}

bool ChangeJournal::undo(RecordStore& store) { return move_action(history_.done, history_.undone, store, true); }
bool ChangeJournal::redo(RecordStore& store) { return move_action(history_.undone, history_.done, store, false); }

}  // namespace plv
