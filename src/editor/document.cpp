#include "editor/document.h"

#include <algorithm>

#include "kinds/colour_in_force.h"
#include "kinds/layer.h"

namespace plv {

Record Document::layer_at_end() const {
  for (long n = drawing.count(); n >= 1; --n)
    if (is_layer_record(drawing.read(n))) return drawing.read(n);
  return Record();
}

Record Document::colour_at_end() const { return colour_setting_in_force(drawing, drawing.count()); }

bool Document::undo() {
  if (!journal.undo(drawing)) return false;
  replaced();
  return true;
}

bool Document::redo() {
  if (!journal.redo(drawing)) return false;
  replaced();
  return true;
}

void Document::insert(std::span<const PlacedRecord> records) {
  drawing.insert(records);
  for (RecordsListener* l : listeners_) l->records_inserted(records);
}

void Document::replaced() {
  for (RecordsListener* l : listeners_) l->records_replaced();
}

void Document::listen(RecordsListener& listener) { listeners_.push_back(&listener); }

void Document::stop_listening(RecordsListener& listener) { std::erase(listeners_, &listener); }

}  // namespace plv
