#include "editor/create/element_menu.h"

#include <cmath>

#include "ui/field_entry.h"
#include "ui/screen_layout.h"
#include "ui/screen_lines.h"
#include "ui/text_screen.h"
#include "ui/toolkit.h"

namespace plv::create {

ui::TextScreen& show_menu(Screen& screen, int banner_row, std::string_view banner, std::span<const MenuLine> lines) {
  ui::TextScreen& s = screen.ui.screen();
  s.clear();
  s.write_line(1, screen.ui.lines().title);
  s.write_line(banner_row, banner, ui::attr::kHighlighted);
  for (const MenuLine& line : lines) s.write_line(line.row, line.text);
  return s;
}

void write_drawing_name(const Document& document, Screen& screen, std::string_view label, std::string_view no_drawing,
                        int column) {
  ui::TextScreen& s = screen.ui.screen();
  s.write_line(5, document.file_open ? label : no_drawing);
  if (document.file_open) s.write_at(5, column, document.drawing_name, kDrawingNameLength);
}

ui::Field integer_field(int row, int column, int width, int value, ui::IntegerRange range) {
  return ui::Field{.row = row, .column = column, .width = width, .type = ui::FieldType::integer(), .integer = value,
                   .range = range};
}

int shown_coordinate(double value) { return static_cast<int>(std::trunc(std::fmax(-1e9, std::fmin(1e9, value)))); }

ui::Field coordinate_field(int row, int column, double value, ui::IntegerRange range) {
  return integer_field(row, column, kCoordinateWidth, shown_coordinate(value), range);
}

ui::Field text_field(int row, int column, int width, std::string_view value) {
  return ui::Field{.row = row, .column = column, .width = width, .type = ui::FieldType::text(),
                   .text = std::string(value)};
}

DrawingPoint point_of(const ui::Field& x, const ui::Field& y) {
  return {static_cast<double>(x.integer), static_cast<double>(y.integer)};
}

ui::FieldKey enter(Screen& screen, ui::FieldSet& set) { return ui::enter_form(screen.ui, set); }

}  // namespace plv::create
