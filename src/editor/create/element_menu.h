#pragma once
// What every element menu shares: its screen (title, banner, captions and
// key lines), coordinate fields that take only what a drawing file can
// hold, and field entry in which Enter moves on to the next field.

#include <algorithm>
#include <span>
#include <string_view>

#include "drawing/drawing_transforms.h"
#include "editor/document.h"
#include "editor/screen.h"
#include "editor/menu_table.h"
#include "text/columns.h"
#include "ui/field.h"

namespace plv::create {

struct MenuLine {
  int row;
  std::string_view text;
};

// Clears the screen; the title line at row 1, the banner highlighted at
// `banner_row`, then the lines in the normal attribute.
ui::TextScreen& show_menu(Screen& screen, int banner_row, std::string_view banner, std::span<const MenuLine> lines);
// The drawing's name at `column` of row 5 after `label`, or `no_drawing`
// when no drawing is open.
void write_drawing_name(const Document& document, Screen& screen, std::string_view label, std::string_view no_drawing, int column);
// The same, with the legends of a menu's key table.
template <class Rows>
void show_menu(Screen& screen, int banner_row, std::string_view banner, std::span<const MenuLine> lines,
               const Rows& rows) {
  write_legends(show_menu(screen, banner_row, banner, lines), rows);
}

inline constexpr int kCoordinateWidth = 7;

// The whole numbers `columns` columns show: a minus sign takes one of them.
constexpr ui::IntegerRange whole_numbers_in(int columns) {
  long largest = 1;
  for (int k = 0; k < columns; ++k) largest *= 10;
  return {-(largest / 10 - 1), largest - 1};
}

// The values a typed coordinate may take: those the columns of its
// element's file form hold, so that nothing typed is refused when the
// drawing is written, within what a coordinate field shows.
constexpr ui::IntegerRange coordinate_range(IntField file_form) {
  const ui::IntegerRange file = whole_numbers_in(file_form.at.width);
  const ui::IntegerRange field = whole_numbers_in(kCoordinateWidth);
  return {std::max(file.low, field.low), std::min(file.high, field.high)};
}
// Fixed columns give one to the point and some to decimals; exponent
// columns hold any value a field shows.
constexpr ui::IntegerRange coordinate_range(RealField file_form) {
  if (file_form.form == RealField::Exponent) return whole_numbers_in(kCoordinateWidth);
  return coordinate_range(IntField{{file_form.at.first, file_form.at.width - 1 - file_form.decimals}});
}

// What a coordinate field shows of `value`: the value truncated toward
// zero, a value beyond any field as its limit.
int shown_coordinate(double value);
// An integer field showing `value` as above.
ui::Field coordinate_field(int row, int column, double value, ui::IntegerRange range);
ui::Field integer_field(int row, int column, int width, int value, ui::IntegerRange range);
ui::Field text_field(int row, int column, int width, std::string_view value);
// The point shown by two coordinate fields, as a real again.
DrawingPoint point_of(const ui::Field& x, const ui::Field& y);

// Field entry in which Enter acts as Tab; the window closed ends the
// program through the editor's shutdown.
ui::FieldKey enter(Screen& screen, ui::FieldSet& set);

}  // namespace plv::create
