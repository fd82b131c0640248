#include "host/plot_reader.h"

namespace plv::host {

std::int16_t PlotReader::coordinate() {
  const auto value = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
  pos_ += 2;
  return static_cast<std::int16_t>(value);
}

bool PlotReader::next(PlotRecord& record) {
  if (!has(1)) return false;
  const auto kind = static_cast<RecordKind>(bytes_[pos_]);
  std::size_t size = 0;
  int points = 0;
  int small_fields = 0;
  switch (kind) {
    case RecordKind::kLine:
    case RecordKind::kRectangle: size = kLineRecordSize; points = 2; break;
    case RecordKind::kFilledRectangle: size = kFilledRectangleRecordSize; points = 2; small_fields = 1; break;
    case RecordKind::kColour: size = kColourRecordSize; small_fields = 3; break;
    case RecordKind::kColourGrey: size = kColourGreyRecordSize; small_fields = 4; break;
    case RecordKind::kColourIndex: size = kColourIndexRecordSize; small_fields = 4; break;
    case RecordKind::kPolygon:
      if (!has(2)) return false;
      points = bytes_[pos_ + 1];
      if (points < 1 || points > kMaxPolygonVertices) return false;
      size = polygon_record_size(points);
      break;
    default: return false;
  }
  if (!has(size)) return false;
  record.kind = kind;
  pos_ += kind == RecordKind::kPolygon ? 2 : 1;
  record.n = points;
  for (int i = 0; i < points; ++i) {
    record.x[i] = coordinate();
    record.y[i] = coordinate();
  }
  for (int i = 0; i < small_fields; ++i) record.bytes[i] = bytes_[pos_++];
  return true;
}

}  // namespace plv::host
