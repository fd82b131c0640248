#include "kinds/deleted.h"

#include "drawing/record_layout.h"
#include "kinds/kind_list.h"

namespace plv {
namespace {

namespace D = layout::deleted;

class DeletedKind final : public Kind {
 public:
  bool is_deleted() const override { return true; }
};

// Removed records never reach a file, whatever they held.
class RemovedKind final : public Kind {
 public:
  StoredConversion to_stored(const Record&) const override { return {}; }
  FileConversion to_file(const Record&) const override { return {}; }
  FileRole file_role(const Record&) const override { return FileRole::kNotWritten; }
};

}  // namespace

Record mark_deleted(const Record& live) {
  Record deleted;
  deleted.put_text(layout::kCode, "DE");
  deleted.put_text(D::kBody, live.text(D::kLiveBody));
  return deleted;
}

Record restore_deleted(const Record& deleted) { return Record(deleted.text(D::kBody)); }

long remove_deleted_graphics(RecordStore& store) {
  Record last_colour;
  long removed = 0;
  for (long n = 1; n <= store.count(); ++n) {
    Record record = store.read(n);
    if (record.has_code("  ")) continue;
    if (record.has_code("DE") || (record.has_code("SC") && record == last_colour)) {
      record.put_text(layout::kCode, "XX");
      store.write(n, record);
      ++removed;
    } else if (record.has_code("SC")) {
      last_colour = record;
    }
  }
  return removed;
}

const Kind& deleted_kind() {
  static const DeletedKind kind;
  return kind;
}

const Kind& removed_kind() {
  static const RemovedKind kind;
  return kind;
}

}  // namespace plv
