#pragma once
// Straight lines: "LI" (solid or dashed) and "LW" (wide).

#include <optional>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"

namespace plv {

// "LI" with the line type in column 52 (a blank type makes the plain
// line a flat box writes).
Record line_record(DrawingPoint start, DrawingPoint end, char type);
// "LW" with the half-width in columns 51-56.
Record wide_line_record(DrawingPoint start, DrawingPoint end, int width);

struct LineValues {
  DrawingPoint start, end;
  char type = 'S';                 // "LI" only
  std::optional<long long> width;  // "LW" only
};
// The values of an "LI" or "LW" record; nothing when they cannot be read.
std::optional<LineValues> line_values(const Record& record);
// "LW" when the values have a width, "LI" otherwise.
Record line_record(const LineValues& values);

// A line type of "D" or "Y" is dashed; anything else is solid.
bool dashed_line_type(char type);

}  // namespace plv
