#include "host/plot_buffer.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace plv::host {

PlotBuffer::PlotBuffer(std::size_t allocation_limit) : allocation_limit_(allocation_limit) {
  if (!resize_block(kStep)) throw std::bad_alloc();
}

bool PlotBuffer::resize_block(std::size_t new_size) {
  if (new_size > allocation_limit_) return false;
  void* resized = std::realloc(block_.get(), new_size);
  if (!resized) return false;  // the old block is still whole
  (void)block_.release();
  block_.reset(static_cast<std::uint8_t*>(resized));
  allocated_ = new_size;
  return true;
}

bool PlotBuffer::reserve_at_step(AppendResult& result) {
  if (full_) {
    result = AppendResult::kDropped;
    return false;
  }
  if (count_ + kLargestRecordSize >= allocated_ && !resize_block(allocated_ + kStep)) {
    full_ = true;
    result = AppendResult::kBecameFull;
    return false;
  }
  result = AppendResult::kAppended;
  return true;
}

AppendResult PlotBuffer::append_line(int x1, int y1, int x2, int y2) {
  AppendResult result;
  if (!reserve_record(result)) return result;
  put_byte(static_cast<int>(RecordKind::kLine));
  put_coordinate(x1);
  put_coordinate(y1);
  put_coordinate(x2);
  put_coordinate(y2);
  return result;
}

AppendResult PlotBuffer::append_rectangle(int x1, int y1, int x2, int y2) {
  AppendResult result;
  if (!reserve_record(result)) return result;
  put_byte(static_cast<int>(RecordKind::kRectangle));
  put_coordinate(x1);
  put_coordinate(y1);
  put_coordinate(x2);
  put_coordinate(y2);
  return result;
}

AppendResult PlotBuffer::append_filled_rectangle(int x1, int y1, int x2, int y2, std::uint8_t insets) {
  AppendResult result;
  if (!reserve_record(result)) return result;
  put_byte(static_cast<int>(RecordKind::kFilledRectangle));
  put_coordinate(x1);
  put_coordinate(y1);
  put_coordinate(x2);
  put_coordinate(y2);
  put_byte(insets);
  return result;
}

AppendResult PlotBuffer::append_colour(int red, int green, int blue) {
  AppendResult result;
  if (!reserve_record(result)) return result;
  put_byte(static_cast<int>(RecordKind::kColour));
  put_byte(red);
  put_byte(blue);
  put_byte(green);
  return result;
}

AppendResult PlotBuffer::append_colour_grey(int red, int green, int blue, int grey) {
  AppendResult result;
  if (!reserve_record(result)) return result;
  put_byte(static_cast<int>(RecordKind::kColourGrey));
  put_byte(red);
  put_byte(blue);
  put_byte(green);
  put_byte(grey);
  return result;
}

AppendResult PlotBuffer::append_colour_index(int black_bg_index, int white_bg_index, int black_bg_grey,
                                             int white_bg_darkness) {
  AppendResult result;
  if (!reserve_record(result)) return result;
  put_byte(static_cast<int>(RecordKind::kColourIndex));
  put_byte(black_bg_index);
  put_byte(white_bg_index);
  put_byte(black_bg_grey);
  put_byte(white_bg_darkness);
  return result;
}

AppendResult PlotBuffer::append_polygon(const std::int16_t* xs, const std::int16_t* ys, int n) {
  if (n < 1) return AppendResult::kDropped;
  n = std::min(n, kMaxPolygonVertices);
  AppendResult result;
  if (!reserve_record(result)) return result;
  put_byte(static_cast<int>(RecordKind::kPolygon));
  put_byte(n);
  for (int i = 0; i < n; ++i) {
    put_coordinate(xs[i]);
    put_coordinate(ys[i]);
  }
  return result;
}

void PlotBuffer::clear() {
  if (allocated_ - count_ > kStep) {
    const std::size_t rounded = std::max(kStep, (count_ + kStep - 1) / kStep * kStep);
    resize_block(rounded);  // a failed shrink keeps the larger block, which still works
  }
  count_ = 0;
  full_ = false;
}

}  // namespace plv::host
