#pragma once
// A direct-access store of records numbered from 1: the drawing and the
// buffer are two of these. Records are appended at count + 1 and rewritten
// in place, never moved; clearing sets the count to 0.
//
// Records live in fixed blocks so that reading record n is an index and
// growing never copies what is already stored. A block is one huge page
// where the system has them: a million records then cost sixty page
// faults, not thirty thousand.

#include <cstddef>
#include <memory>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/record.h"
#include "drawing/store_watcher.h"

namespace plv {

// A record with the number it has, or is to have, in a store.
struct PlacedRecord {
  long number = 0;
  Record record;
  friend bool operator==(const PlacedRecord&, const PlacedRecord&) = default;
};

class RecordStore {
 public:
  long count() const { return count_; }
  bool empty() const { return count_ == 0; }

  // 1 <= n <= count(); anything else throws std::out_of_range.
  const Record& read(long n) const;
  void write(long n, const Record& record);
  void append(const Record& record);
  // Makes room for n records after the last and returns the first one's
  // number. Each must then be filled with fill() before it is read; threads
  // may fill different records at once.
  long grow(long n);
  void fill(long n, const Record& record) { new (slot_bytes(n)) Record(record); }
  // The last record leaves the store (an element taken back to be edited).
  void drop_last() {
    if (count_ == 0) return;
    if (watcher_) watcher_->dropped(count_, slot(count_));
    --count_;
  }
  // Puts the records in at their numbers, as they stand afterwards
  // (ascending); the records after each move up. One pass over the store.
  void insert(std::span<const PlacedRecord> records);
  // Takes out the records at `numbers` (ascending, as they stand now); the
  // records after them move down.
  void remove(std::span<const long> numbers);
  void clear() {
    count_ = 0;
    unread_lines_.clear();
    if (watcher_) watcher_->cleared();
  }
  // Cleared, with the memory of its records given back; still watched.
  void release() {
    StoreWatcher* watcher = watcher_;
    *this = RecordStore();
    watch(watcher);
    if (watcher_) watcher_->cleared();
  }
  // Who hears of each write, append, drop and clear from now on; none: nobody.
  void watch(StoreWatcher* watcher) { watcher_ = watcher; }

  // A file line that could not be read as a record is kept exactly as it
  // stood, to be written back in its place; its record is one that nothing
  // draws, picks or selects.
  void append_unread(std::string_view line);
  // The same for a record already in the store, which stands for the line.
  void make_unread(long n, std::string_view line);
  // The line kept for an unread record; nothing for any other record.
  std::optional<std::string_view> unread_line(const Record& record) const;
  long unread_count() const { return static_cast<long>(unread_lines_.size()); }

  // Bytes held for records, in use or not.
  size_t capacity_bytes() const { return blocks_.size() * kBlockBytes; }

 private:
  static constexpr size_t kBlockBytes = size_t{2} << 20;
  static constexpr long kBlockRecords = static_cast<long>(kBlockBytes / sizeof(Record));
  // Raw room for records: a record is built in its slot when appended, so
  // a new block is never filled twice.
  struct BlockRelease {
    void operator()(std::byte* block) const;
  };
  using Block = std::unique_ptr<std::byte[], BlockRelease>;
  static Block new_block();

  std::byte* slot_bytes(long n) const {
    return blocks_[static_cast<size_t>((n - 1) / kBlockRecords)].get() + ((n - 1) % kBlockRecords) * sizeof(Record);
  }
  Record& slot(long n) { return *std::launder(reinterpret_cast<Record*>(slot_bytes(n))); }
  const Record& slot(long n) const { return *std::launder(reinterpret_cast<const Record*>(slot_bytes(n))); }
  void check(long n) const;

  std::vector<Block> blocks_;
  long count_ = 0;
  std::vector<std::string> unread_lines_;
  StoreWatcher* watcher_ = nullptr;
};

// The record standing for an unread line.
bool is_unread(const Record& record);

}  // namespace plv
