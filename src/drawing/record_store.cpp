#include "drawing/record_store.h"

#include <stdexcept>
#include <string>
#include <type_traits>

#include "drawing/record_layout.h"

namespace plv {

void RecordStore::check(long n) const {
  if (n < 1 || n > count_)
    throw std::out_of_range("record " + std::to_string(n) + " is outside 1.." + std::to_string(count_));
}

const Record& RecordStore::read(long n) const {
  check(n);
  return slot(n);
}

void RecordStore::write(long n, const Record& record) {
  check(n);
  slot(n) = record;
}

void RecordStore::append(const Record& record) {
  static_assert(std::is_trivially_copyable_v<Record> && std::is_trivially_destructible_v<Record>);
  if (count_ == static_cast<long>(blocks_.size()) * kBlockRecords)
    blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(kBlockRecords * sizeof(Record)));
  ++count_;
  new (slot_bytes(count_)) Record(record);  // a cleared store's old records are simply replaced
}

void RecordStore::append_unread(std::string_view line) {
  Record marker;
  marker.put_text(layout::kCode, layout::unread::kCode);
  marker.put(layout::unread::kIndex, static_cast<long long>(unread_lines_.size()));
  unread_lines_.emplace_back(line);
  append(marker);
}

std::optional<std::string_view> RecordStore::unread_line(const Record& record) const {
  if (!is_unread(record)) return std::nullopt;
  const auto index = record.get(layout::unread::kIndex);
  if (!index || *index < 0 || *index >= static_cast<long long>(unread_lines_.size())) return std::nullopt;
  return unread_lines_[static_cast<size_t>(*index)];
}

bool is_unread(const Record& record) { return record.has_code(layout::unread::kCode); }

}  // namespace plv
