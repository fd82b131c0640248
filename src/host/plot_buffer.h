#pragma once
// The plot buffer: the display list of the current picture. Every primitive
// drawn is appended here as a packed record, so the picture can be repainted,
// printed and exported by replaying it.
//
// The block grows in steps of 65,536 bytes and always keeps room for the
// largest record, so an append writes into memory that is already there and
// allocates only at a growth step. When growing fails the buffer is marked
// full and nothing more is recorded until the next clear.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <cstdlib>
#include <span>

#include "host/plot_records.h"

namespace plv::host {

enum class AppendResult {
  kAppended,
  kDropped,      // the buffer was already full
  kBecameFull,   // growing failed just now; the caller tells the user once
};

class PlotBuffer {
 public:
  static constexpr std::size_t kStep = 65536;

  // Starts with one step. allocation_limit caps the block size so tests can
  // make growth fail; by default only the system's memory limits it.
  explicit PlotBuffer(std::size_t allocation_limit = SIZE_MAX);

  AppendResult append_line(int x1, int y1, int x2, int y2);
  AppendResult append_rectangle(int x1, int y1, int x2, int y2);
  AppendResult append_filled_rectangle(int x1, int y1, int x2, int y2, std::uint8_t insets);
  AppendResult append_colour(int red, int green, int blue);
  AppendResult append_colour_grey(int red, int green, int blue, int grey);
  AppendResult append_colour_index(int black_bg_index, int white_bg_index, int black_bg_grey,
                                   int white_bg_darkness);
  // Takes at most kMaxPolygonVertices points; n < 1 records nothing.
  AppendResult append_polygon(const std::int16_t* xs, const std::int16_t* ys, int n);

  // Starts a new picture: the block shrinks to the rounded-up count (never
  // below one step), the count drops to 0 and the full flag is cleared.
  void clear();

  std::span<const std::uint8_t> bytes() const { return {block_.get(), count_}; }
  std::size_t count() const { return count_; }
  std::size_t allocated() const { return allocated_; }
  bool full() const { return full_; }
  void set_allocation_limit(std::size_t limit) { allocation_limit_ = limit; }

 private:
  // Makes room for one more record; false when the record must be dropped.
  bool reserve_record(AppendResult& result) {
    if (full_ || count_ + kLargestRecordSize >= allocated_) return reserve_at_step(result);
    result = AppendResult::kAppended;
    return true;
  }
  bool reserve_at_step(AppendResult& result);
  bool resize_block(std::size_t new_size);
  void put_byte(int value) { block_.get()[count_++] = static_cast<std::uint8_t>(value); }
  void put_coordinate(int value) {
    const auto bits = static_cast<std::uint16_t>(value);
    put_byte(bits & 0xFF);
    put_byte(bits >> 8);
  }

  struct FreeBlock {
    void operator()(std::uint8_t* p) const { std::free(p); }
  };
  // Grown with realloc, which can extend a large block in place instead of
  // copying everything recorded at every step.
  std::unique_ptr<std::uint8_t, FreeBlock> block_;
  std::size_t allocated_ = 0;
  std::size_t count_ = 0;
  std::size_t allocation_limit_;
  bool full_ = false;
};

}  // namespace plv::host
