#pragma once
// Named columns of fixed-width texts, and the fields written in them: every
// layout of the program (records, settings lines, the setup line) names its
// columns with these, never with bare offsets.

#include <string_view>

namespace plv {

// Columns first .. first + width - 1, numbered from 1 as the layouts are.
struct Columns {
  int first;
  int width;
  constexpr int last() const { return first + width - 1; }
};

struct IntField {  // Iw
  Columns at;
};

struct RealField {  // Ew.d or Fw.d when written; read as Gw.d
  enum Form { Exponent, Fixed };
  Columns at;
  Form form;
  int decimals;
};

namespace text {

// What stands in the columns of `line`: shorter, or empty, where the line
// ends before them.
constexpr std::string_view in_columns(std::string_view line, Columns c) {
  const auto first = static_cast<std::string_view::size_type>(c.first - 1);
  if (line.size() <= first) return {};
  return line.substr(first, static_cast<std::string_view::size_type>(c.width));
}

}  // namespace text
}  // namespace plv
