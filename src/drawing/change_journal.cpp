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

void ChangeJournal::apply(RecordStore& store, const StoreStep& step) {
  switch (step.kind) {
    case StoreStep::Kind::kWrite: store.write(step.number, step.after); break;
    case StoreStep::Kind::kAppend: store.append(step.after); break;
    case StoreStep::Kind::kDrop: store.drop_last(); break;
  }
}

StoreStep ChangeJournal::inverse(const StoreStep& step) {
  switch (step.kind) {
    case StoreStep::Kind::kWrite: return {StoreStep::Kind::kWrite, step.number, step.after, step.before};
    case StoreStep::Kind::kAppend: return {StoreStep::Kind::kDrop, step.number, Record(), step.after};
    case StoreStep::Kind::kDrop: return {StoreStep::Kind::kAppend, step.number, Record(), step.after};
  }
  return step;
}

bool ChangeJournal::move_action(std::vector<Action>& from, std::vector<Action>& to, RecordStore& store,
                                bool back) {
  end_action();
  if (from.empty()) return false;
  Action action = std::move(from.back());
  from.pop_back();
  replaying_ = true;
  auto take = [&](const StoreStep& step) {
    apply(store, step);
    told(step);
  };
  if (back) {
    for (auto step = action.rbegin(); step != action.rend(); ++step) take(inverse(*step));
  } else {
    for (const StoreStep& step : action) take(step);
  }
  replaying_ = false;
  to.push_back(std::move(action));
  if (listener_.action_ended) listener_.action_ended();
  return true;
}

bool ChangeJournal::undo(RecordStore& store) { return move_action(done_, undone_, store, true); }
bool ChangeJournal::redo(RecordStore& store) { return move_action(undone_, done_, store, false); }

}  // namespace plv
