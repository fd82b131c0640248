#pragma once
// Comments ("CM"): carried and written, never drawn.

#include <string_view>
#include <vector>

#include "drawing/record.h"
#include "drawing/record_layout.h"

// The columns of its records.
namespace plv::layout {

namespace stored {
namespace comment {  // CM: the comment menu writes the code, a blank and 58 characters
inline constexpr Columns kLead{1, 3};  // the code and a blank
inline constexpr Columns kText{4, 58};
// The first record of a new drawing: the code, its name and the date.
inline constexpr Columns kDrawingName{4, 14};
inline constexpr Columns kDate{20, 9};
}  // namespace comment
}  // namespace stored

}  // namespace plv::layout

namespace plv {

// A line that begins as a comment record does ("CM " and text).
bool is_comment_text(std::string_view line);
// "CM ", then the text (at most 58 characters).
Record comment_record(std::string_view text);

// The records a new drawing starts with: a comment with its name and the
// date, an empty comment, bar mode and colour 7.
std::vector<Record> new_drawing_records(std::string_view name, std::string_view date);

}  // namespace plv
