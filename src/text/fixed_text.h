#pragma once
// Fixed-width, blank-padded texts, and texts taken line by line: the one
// place that pads, cuts, trims and splits them.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace plv::text {

// `text` cut or blank-padded to `width` characters.
std::string padded(std::string_view text, std::size_t width);
// Without its trailing blanks (the value of a blank-padded field).
std::string_view trimmed_right(std::string_view text);
// Without its leading and trailing blanks.
std::string_view trimmed(std::string_view text);
// Nothing but blanks, or empty.
bool is_blank(std::string_view text);

// Each line of `text` without its line end (LF, or CR LF), until `take`
// answers false; a last line without an end is a line too, an empty text
// has none.
void for_each_line(std::string_view text, const std::function<bool(std::string_view)>& take);

}  // namespace plv::text
