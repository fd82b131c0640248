#include "drawing/record_store.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
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

Record RecordStore::read(long n) const {
  check(n);
  return record_at(n);
}

namespace {

size_t kept_length(const Record& record) {
  size_t length = kRecordLength;
  while (length > 0 && record.data()[length - 1] == ' ') --length;
  return length;
}

}  // namespace

void RecordStore::room_for(size_t bytes) {
  if (blocks_.empty()) blocks_.push_back(new_block());
  if (used_ + bytes <= kBlockBytes) return;
  if (++filled_ == blocks_.size()) blocks_.push_back(new_block());
  used_ = 0;
}

std::byte* RecordStore::put(const Record& record) {
  const size_t length = kept_length(record);
  room_for(1 + length);
  std::byte* start = blocks_[filled_].get() + used_;
  start[0] = static_cast<std::byte>(length);
  std::memcpy(start + 1, record.data(), length);
  used_ += 1 + length;
  return start;
}

Record RecordStore::record_from(const std::byte* start) {
  const auto length = static_cast<size_t>(start[0]);
  return Record(std::string_view(reinterpret_cast<const char*>(start + 1), length));
}

void RecordStore::write(long n, const Record& record) {
  check(n);
  std::byte*& start = starts_[static_cast<size_t>(n - 1)];
  if (watcher_) watcher_->written(n, record_from(start), record);
  const size_t length = kept_length(record);
  if (length > static_cast<size_t>(start[0])) {
    start = put(record);
    return;
  }
  // The shorter text goes where the old one was.
  start[0] = static_cast<std::byte>(length);
  std::memcpy(start + 1, record.data(), length);
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
  starts_.push_back(put(record));
  ++count_;
  if (watcher_) watcher_->appended(count_, record);
}

void RecordStore::keep(const Record& record, std::string& kept) {
  const size_t length = kept_length(record);
  kept += static_cast<char>(length);
  kept.append(record.data(), length);
}

void RecordStore::append_read(std::string_view kept) {
  const auto* from = reinterpret_cast<const std::byte*>(kept.data());
  const auto* const end = from + kept.size();
  while (from < end) {
    room_for(1 + static_cast<size_t>(from[0]));
    // As many as the block holds go in one copy.
    const std::byte* run = from;
    std::byte* to = blocks_[filled_].get() + used_;
    for (size_t room = kBlockBytes - used_; from < end && 1 + static_cast<size_t>(from[0]) <= room;) {
      const size_t entry = 1 + static_cast<size_t>(from[0]);
      starts_.push_back(to + (from - run));
      room -= entry;
      from += entry;
    }
    std::memcpy(to, run, static_cast<size_t>(from - run));
    used_ += static_cast<size_t>(from - run);
  }
  count_ = static_cast<long>(starts_.size());
}

void RecordStore::insert(std::span<const PlacedRecord> records) {
  if (records.empty()) return;
  const long old_count = count_;
  const long first = records.front().number;
  if (first < 1 || records.back().number > old_count + static_cast<long>(records.size()))
    throw std::out_of_range("records inserted outside 1.." + std::to_string(old_count + static_cast<long>(records.size())));
  count_ += static_cast<long>(records.size());
  starts_.resize(static_cast<size_t>(count_));
  // From the end down, each place takes the record due there: one put in,
  // or the next old one moved up.
  long from = old_count;
  auto next = records.rbegin();
  for (long to = count_; next != records.rend(); --to) {
    if (to == next->number) starts_[static_cast<size_t>(to - 1)] = put((next++)->record);
    else starts_[static_cast<size_t>(to - 1)] = starts_[static_cast<size_t>(from-- - 1)];
  }
  if (watcher_)
    for (const PlacedRecord& r : records) watcher_->inserted(r.number, r.record);
}

void RecordStore::remove(std::span<const long> numbers) {
  if (numbers.empty()) return;
  for (const long n : numbers) check(n);
  if (watcher_)
    for (auto n = numbers.rbegin(); n != numbers.rend(); ++n) watcher_->removed(*n, record_at(*n));
  long to = numbers.front();
  auto next = numbers.begin();
  for (long from = numbers.front(); from <= count_; ++from) {
    if (next != numbers.end() && from == *next) {
      ++next;
      continue;
    }
    starts_[static_cast<size_t>(to++ - 1)] = starts_[static_cast<size_t>(from - 1)];
  }
  count_ = to - 1;
  starts_.resize(static_cast<size_t>(count_));
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
  starts_[static_cast<size_t>(n - 1)] = put(unread_marker(unread_lines_.size()));
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
