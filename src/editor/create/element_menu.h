#pragma once
// What every element menu shares: its screen (title, banner, captions and
// key lines), coordinate fields that take only what a drawing file can
// hold, and field entry in which Enter moves on to the next field.

#include <span>
#include <string_view>

#include "drawing/drawing_transforms.h"
#include "editor/editor.h"
#include "ui/field.h"

namespace plv::create {

struct MenuLine {
  int row;
  std::string_view text;
};

// Clears the screen; the title line at row 1, the banner highlighted at
// `banner_row`, then the lines in the normal attribute.
void show_menu(Editor& editor, int banner_row, std::string_view banner, std::span<const MenuLine> lines);

// The values a typed coordinate may take: what an integer field holds (and
// the file, rounded to whole units, too), or for the elements kept in
// reals without decimals the narrower range that form holds.
inline constexpr ui::IntegerRange kCoordinateRange{-32768, 32767};
inline constexpr ui::IntegerRange kWholeUnitRange{-9999, 32767};
inline constexpr int kCoordinateWidth = 7;

// An integer field showing `value` truncated toward zero.
ui::Field coordinate_field(int row, int column, double value, ui::IntegerRange range = kCoordinateRange);
ui::Field integer_field(int row, int column, int width, int value, ui::IntegerRange range);
ui::Field text_field(int row, int column, int width, std::string_view value);
// The point shown by two coordinate fields, as a real again.
DrawingPoint point_of(const ui::Field& x, const ui::Field& y);

// Field entry in which Enter acts as Tab; the window closed ends the
// program through the editor's shutdown.
ui::FieldKey enter(Editor& editor, ui::FieldSet& set);

}  // namespace plv::create
