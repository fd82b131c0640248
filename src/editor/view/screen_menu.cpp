#include "editor/view/screen_menu.h"

#include <string>

#include "editor/view/view_operations.h"
#include "kernel/kernel.h"
#include "ui/field_entry.h"
#include "ui/toolkit.h"

namespace plv::edit {
namespace {

constexpr std::string_view kBanner =
    "***** SCREEN MENU ****** SCREEN MENU ****** SCREEN MENU ****** SCREEN MENU *****";
constexpr std::string_view kNameLabel = "                  DRAWING FILE NAME:";
constexpr std::string_view kNoDrawing = "                  NO DRAWING FILE IS OPEN";
constexpr int kNameColumn = 38;

struct MenuLine {
  int row;
  std::string_view text;
};
constexpr MenuLine kLines[] = {
    {7, "                  DRAWING SHIFT:   X           Y"},
    {9, "                  DRAWING SCALE:"},
    {13, "                  F1 = ERASE THE SCREEN."},
    {15, "                  F3 = DRAW"},
    {17, "                  F4 = DRAG THE SCREEN WINDOW TO A NEW POSITION."},
    {19, "                  F6 = VIEW THE SCREEN."},
    {21, "                  F10= RETURN TO THE MAIN MENU."},
};

enum Field { kShiftX = 1, kShiftY = 2, kScale = 3 };
constexpr ui::FieldKey kEraseKey = ui::FieldKey::function(1);
constexpr ui::FieldKey kDrawKey = ui::FieldKey::function(3);
constexpr ui::FieldKey kDragKey = ui::FieldKey::function(4);
constexpr ui::FieldKey kViewKey = ui::FieldKey::function(6);
constexpr ui::FieldKey kReturnKey = ui::FieldKey::function(10);
constexpr int kFieldWidth = 7;

void show_screen(const Document& document, Screen& screen) {
  ui::TextScreen& s = screen.ui.screen();
  s.clear();
  s.write_at(1, 1, screen.ui.lines().title, ui::kScreenColumns);
  s.write_at(3, 1, kBanner, ui::kScreenColumns, ui::attr::kHighlighted);
  if (document.file_open) {
    s.write_at(5, 1, kNameLabel, ui::kScreenColumns);
    s.write_at(5, kNameColumn, document.drawing_name, kDrawingNameLength);
  } else {
    s.write_at(5, 1, kNoDrawing, ui::kScreenColumns);
  }
  for (const MenuLine& line : kLines) s.write_at(line.row, 1, line.text, ui::kScreenColumns);
}

ui::FieldSet view_fields(const ViewTransform& view) {
  auto field = [](int row, int column, ui::FieldType type, double value) {
    return ui::Field{.row = row, .column = column, .width = kFieldWidth, .type = type,
                     .real = static_cast<float>(value), .highlight = true};
  };
  ui::FieldSet set;
  const ui::FieldType shift = ui::FieldType::fixed(0), scale = ui::FieldType::fixed(3);
  set.fields = {field(7, 38, shift, view.x_shift), field(7, 50, shift, view.y_shift), field(9, 38, scale, view.scale)};
  return set;
}

// A value the user typed replaces the view's; one left alone keeps the
// view's full precision. A scale of 0 or less would divide by zero when
// points are picked, so it is refused.
void store_typed(const ui::FieldSet& set, ViewTransform& view) {
  auto take = [&set](Field f, double& value) {
    const float typed = set.field(f).real;
    if (typed != static_cast<float>(value)) value = typed;
  };
  take(kShiftX, view.x_shift);
  take(kShiftY, view.y_shift);
  if (set.field(kScale).real > 0) take(kScale, view.scale);
}

void show_picture(Screen& screen) {
  screen.kernel.gkpage(kernel::PageStart::kKept);
  screen.kernel.tekflush(kernel::Flush::kShowAndWait);
}

}  // namespace

ScreenMenuEnd screen_menu(const Document& document, Screen& screen, ColourProblems& messages) {
  int current = 0;  // the menu resumes on the field it left
  for (;;) {
    show_screen(document, screen);
    ui::FieldSet set = view_fields(screen.render.view);
    set.current = current;
    const ui::FieldKey key = ui::enter_form(screen.ui, set);
    current = set.current;
    store_typed(set, screen.render.view);
    if (key == kEraseKey) {
      screen.kernel.gkpage(kernel::PageStart::kErased);
      screen.kernel.tekflush(kernel::Flush::kShowAndWait);
    } else if (key == kDrawKey) {
      return ScreenMenuEnd::kDraw;
    } else if (key == kDragKey) {
      drag_window(document, screen, messages);
      return ScreenMenuEnd::kDragged;
    } else if (key == kViewKey) {
      show_picture(screen);
      return ScreenMenuEnd::kViewed;
    } else if (key == kReturnKey) {
      return ScreenMenuEnd::kReturn;
    }
    // Any other key shows the menu again.
  }
}

}  // namespace plv::edit
