#pragma once
// A direct-access store of records numbered from 1: the drawing and the
// buffer are two of these. Records are appended at count + 1 and rewritten
// at their numbers; clearing sets the count to 0.
//
// A record is kept without its trailing blanks, which are most of it, in
// large blocks that never move; an index gives where each one starts, so
// reading record n is an index and a copy. A rewrite that is longer than
// the text it replaces goes to the end of the blocks, and what it leaves
// behind is used again only once the store is cleared. A block is one
// huge page where the system has them.

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
  Record read(long n) const;
  void write(long n, const Record& record);
  void append(const Record& record);
  // Records read from a file, appended after the last without telling
  // the watcher: `kept` holds them one after another as keep() writes them.
  void append_read(std::string_view kept);
  static void keep(const Record& record, std::string& kept);
  // The last record leaves the store (an element taken back to be edited).
  void drop_last() {
    if (count_ == 0) return;
    if (watcher_) watcher_->dropped(count_, record_at(count_));
    --count_;
    starts_.pop_back();
  }
  // Puts the records in at their numbers, as they stand afterwards
  // (ascending); the records after each move up. One pass over the store.
  void insert(std::span<const PlacedRecord> records);
  // Takes out the records at `numbers` (ascending, as they stand now); the
  // records after them move down.
  void remove(std::span<const long> numbers);
  void clear() {
    count_ = 0;
    starts_.clear();
    filled_ = 0;  // the blocks are filled again from the first
    used_ = 0;
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
  struct BlockRelease {
    void operator()(std::byte* block) const;
  };
  using Block = std::unique_ptr<std::byte[], BlockRelease>;
  static Block new_block();

  // A record's text is its length in one byte, then its characters up to
  // the last non-blank.
  std::byte* put(const Record& record);
  // The block being filled has room for `bytes` more, or the next one.
  void room_for(size_t bytes);
  static Record record_from(const std::byte* start);
  Record record_at(long n) const { return record_from(starts_[static_cast<size_t>(n - 1)]); }
  void check(long n) const;

  std::vector<Block> blocks_;
  size_t filled_ = 0;  // blocks before the one being filled
  size_t used_ = 0;    // bytes used of that one
  std::vector<std::byte*> starts_;
  long count_ = 0;
  std::vector<std::string> unread_lines_;
  StoreWatcher* watcher_ = nullptr;
};

// The record standing for an unread line.
bool is_unread(const Record& record);

}  // namespace plv
