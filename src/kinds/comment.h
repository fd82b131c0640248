#pragma once
// Comments ("CM"): carried and written, never drawn.

#include <string_view>
#include <vector>

#include "drawing/record.h"

namespace plv {

// A line that begins as a comment record does ("CM " and text).
bool is_comment_text(std::string_view line);
// "CM ", then the text (at most 58 characters).
Record comment_record(std::string_view text);

// The records a new drawing starts with: a comment with its name and the
// date, an empty comment, bar mode and colour 7.
std::vector<Record> new_drawing_records(std::string_view name, std::string_view date);

}  // namespace plv
