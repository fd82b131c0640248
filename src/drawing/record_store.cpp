#include "drawing/record_store.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>
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
  if (watcher_) watcher_->written(n, slot(n), record);
  slot(n) = record;
}

// A block aligned to its own size, so that the system can back it with one
// huge page; it asks for one, and takes small pages where there are none.
RecordStore::Block RecordStore::new_block() {
  const size_t room = 2 * kBlockBytes;
  void* mapped = ::mmap(nullptr, room, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  auto* bytes = static_cast<std::byte*>(mapped);
  const auto address = reinterpret_cast<std::uintptr_t>(bytes);
  const size_t head = (kBlockBytes - address % kBlockBytes) % kBlockBytes;
  if (head > 0) ::munmap(bytes, head);
  if (room - head > kBlockBytes) ::munmap(bytes + head + kBlockBytes, room - head - kBlockBytes);
  ::madvise(bytes + head, kBlockBytes, MADV_HUGEPAGE);
  return Block(bytes + head);
}

void RecordStore::BlockRelease::operator()(std::byte* block) const { ::munmap(block, kBlockBytes); }

void RecordStore::append(const Record& record) {
  static_assert(std::is_trivially_copyable_v<Record> && std::is_trivially_destructible_v<Record>);
  if (count_ == static_cast<long>(blocks_.size()) * kBlockRecords) blocks_.push_back(new_block());
  ++count_;
  new (slot_bytes(count_)) Record(record);  // a cleared store's old records are simply replaced
  if (watcher_) watcher_->appended(count_, record);
}

long RecordStore::grow(long n) {
  const long first = count_ + 1;
  while (static_cast<long>(blocks_.size()) * kBlockRecords < count_ + n) blocks_.push_back(new_block());
  count_ += n;
  return first;
}

void RecordStore::insert(std::span<const PlacedRecord> records) {
  if (records.empty()) return;
  const long old_count = count_;
  const long first = records.front().number;
  if (first < 1 || records.back().number > old_count + static_cast<long>(records.size()))
    throw std::out_of_range("records inserted outside 1.." + std::to_string(old_count + static_cast<long>(records.size())));
  grow(static_cast<long>(records.size()));
  // From the end down, each place takes the record due there: one put in,
  // or the next old one moved up.
  long from = old_count;
  auto next = records.rbegin();
  for (long to = count_; next != records.rend(); --to) {
    if (to == next->number) new (slot_bytes(to)) Record((next++)->record);
    else new (slot_bytes(to)) Record(slot(from--));
  }
  if (watcher_)
    for (const PlacedRecord& r : records) watcher_->inserted(r.number, r.record);
}

void RecordStore::remove(std::span<const long> numbers) {
  if (numbers.empty()) return;
  for (const long n : numbers) check(n);
  if (watcher_)
    for (auto n = numbers.rbegin(); n != numbers.rend(); ++n) watcher_->removed(*n, slot(*n));
  long to = numbers.front();
  auto next = numbers.begin();
  for (long from = numbers.front(); from <= count_; ++from) {
    if (next != numbers.end() && from == *next) {
      ++next;
      continue;
    }
    slot(to++) = slot(from);
  }
  count_ = to - 1;
}

namespace {

Record unread_marker(size_t index) {
  Record marker;
  marker.put_text(layout::kCode, layout::unread::kCode);
  marker.put(layout::unread::kIndex, static_cast<long long>(index));
  return marker;
}

}  // namespace

void RecordStore::append_unread(std::string_view line) {
  const Record marker = unread_marker(unread_lines_.size());
  unread_lines_.emplace_back(line);
  append(marker);
}

void RecordStore::make_unread(long n, std::string_view line) {
  check(n);
  slot(n) = unread_marker(unread_lines_.size());
  unread_lines_.emplace_back(line);
}

std::optional<std::string_view> RecordStore::unread_line(const Record& record) const {
  if (!is_unread(record)) return std::nullopt;
  const auto index = record.get(layout::unread::kIndex);
  if (!index || *index < 0 || *index >= static_cast<long long>(unread_lines_.size())) return std::nullopt;
  return unread_lines_[static_cast<size_t>(*index)];
}

bool is_unread(const Record& record) { return record.has_code(layout::unread::kCode); }

}  // namespace plv
