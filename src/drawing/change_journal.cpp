#include "drawing/change_journal.h"

namespace plv {

void ChangeJournal::add(StoreStep step) {
  if (replaying_) return;
  told(step);
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

bool ChangeJournal::undo(RecordStore& store) {
  end_action();
  if (done_.empty()) return false;
  Action action = std::move(done_.back());
  done_.pop_back();
  replaying_ = true;
  for (auto step = action.rbegin(); step != action.rend(); ++step) {
    const StoreStep back = inverse(*step);
    apply(store, back);
    told(back);
  }
  replaying_ = false;
  undone_.push_back(std::move(action));
  if (listener_.action_ended) listener_.action_ended();
  return true;
}

bool ChangeJournal::redo(RecordStore& store) {
  end_action();
  if (undone_.empty()) return false;
  Action action = std::move(undone_.back());
  undone_.pop_back();
  replaying_ = true;
  for (const StoreStep& step : action) {
    apply(store, step);
    told(step);
  }
  replaying_ = false;
  done_.push_back(std::move(action));
  if (listener_.action_ended) listener_.action_ended();
  return true;
}

}  // namespace plv
