#include "editor/paste/paste_menu.h"

#include <cmath>

#include "editor/create/element_menu.h"
#include "editor/drawing_guard.h"
#include "editor/menu_table.h"
#include "editor/paste/buffer_picture.h"
#include "editor/paste/pasted_records.h"
#include "editor/pointer.h"
#include "editor/view/view_operations.h"
#include "kernel/kernel.h"
#include "kinds/registry.h"
#include "render/redraw.h"
#include "ui/field_entry.h"
#include "ui/messages.h"
#include "ui/screen_lines.h"
#include "ui/text_screen.h"
#include "ui/toolkit.h"
#include "editor/undo_redo.h"

namespace plv::paste {
namespace {

constexpr std::string_view kBanner =
    "***** PASTE MENU ****** PASTE MENU ****** PASTE MENU ****** PASTE MENU *****    ";
constexpr std::string_view kNameLabel = "                  DRAWING FILE NAME:";
constexpr std::string_view kNoDrawing = "                  NO DRAWING FILE IS OPEN";
constexpr int kNameColumn = 38;
constexpr create::MenuLine kLines[] = {
    {7, "                  BUFFER SHIFT:   X           Y"},
    {9, "                  BUFFER SCALE:   X           Y"},
    {11, "                  BUFFER ROTATE:              DEGREES"},
};
constexpr std::string_view kPasting = "    >>> PASTING THE BUFFER INTO THE DRAWING <<<";
constexpr int kFieldWidth = 7;
// Where the box the buffer is fitted into may be dragged.
constexpr kernel::UserLimits kPasteBoxLimits{-1640, 1640, -1240, 1240};

enum Field { kShiftX = 1, kShiftY, kScaleX, kScaleY, kRotation };

ui::FieldSet paste_fields(const PasteTransform& p) {
  auto field = [](int row, int column, ui::FieldType type, double value) {
    return ui::Field{.row = row, .column = column, .width = kFieldWidth, .type = type,
                     .real = static_cast<float>(value), .highlight = true};
  };
  const ui::FieldType shift = ui::FieldType::fixed(0), scale = ui::FieldType::fixed(3),
                      rotation = ui::FieldType::fixed(1);
  ui::FieldSet set;
  set.fields = {field(7, 38, shift, p.shift_x), field(7, 50, shift, p.shift_y), field(9, 38, scale, p.scale_x),
                field(9, 50, scale, p.scale_y), field(11, 38, rotation, p.rotation)};
  return set;
}

// A value typed replaces the transform's; one left alone keeps its full
// precision. A scale of 0 or less is not taken.
void store_typed(const ui::FieldSet& set, PasteTransform& p) {
  auto take = [&set](Field f, double& value) {
    const float typed = set.field(f).real;
    if (typed != static_cast<float>(value)) value = typed;
  };
  take(kShiftX, p.shift_x);
  take(kShiftY, p.shift_y);
  if (set.field(kScaleX).real > 0) take(kScaleX, p.scale_x);
  if (set.field(kScaleY).real > 0) take(kScaleY, p.scale_y);
  double rotation = p.rotation;
  take(kRotation, rotation);
  p = with_rotation(p, rotation);
}

DrawingPoint centre_of(const Extent& x) { return {(x.xmin + x.xmax) / 2, (x.ymin + x.ymax) / 2}; }

void tell(Screen& screen, std::string_view message) {
  screen.ui.lines().set_message(message);
  ui::error_and_wait(screen.ui);
}

// A box dragged from the last one, its corners ordered and rounded to
// whole plot units; a box of one point is dragged again. Nothing when the
// user gave up with Escape.
std::optional<PlotBox> drag_paste_box(Screen& screen, PlotBox& last) {
  const PointingAt at(screen, "Paste: the box the buffer is fitted into");
  for (;;) {
    const PlotBox& b = last;
    const auto answer = on_picture(screen, [&b](kernel::Kernel& k) {
      return k.gkrbox(static_cast<float>(b.x1), static_cast<float>(b.y1), static_cast<float>(b.x2),
                      static_cast<float>(b.y2), kPasteBoxLimits);
    });
    if (cancels_pointing(answer.key)) return std::nullopt;
    last = {std::round(std::min(answer.x1, answer.x2)), std::round(std::min(answer.y1, answer.y2)),
            std::round(std::max(answer.x1, answer.x2)), std::round(std::max(answer.y1, answer.y2))};
    if (last.x1 != last.x2 || last.y1 != last.y2) return last;
  }
}

void copy_into_box(const PasteMenu& p, ColourProblems& messages, DrawingPoint& centre) {
  const PasteTransform kept = p.transform;
  p.transform = with_rotation(p.transform, 0);
  if (p.document.buffer.empty()) return tell(p.screen, "THE BUFFER IS EMPTY: THERE IS NOTHING TO FIT INTO A BOX.");
  const Extent buffer = drawing_extent(p.document.buffer, p.screen.render);
  // A buffer that is one point fits no box: dragging again would never end.
  if (buffer.xmin == buffer.xmax && buffer.ymin == buffer.ymax)
    return tell(p.screen, "THE BUFFER IS A SINGLE POINT: IT CANNOT BE FITTED INTO A BOX.");
  // A box flat across the buffer's size would scale it to nothing: it is
  // dragged again, as a box of one point is.
  std::optional<PasteTransform> fit;
  while (!fit) {
    const std::optional<PlotBox> dragged = drag_paste_box(p.screen, p.box);
    if (!dragged) {
      p.transform = kept;  // given up: the transform stays as it was
      return;
    }
    const PlotBox& box = *dragged;
    const DrawingPoint low = from_kernel(p.screen, static_cast<float>(box.x1), static_cast<float>(box.y1));
    const DrawingPoint high = from_kernel(p.screen, static_cast<float>(box.x2), static_cast<float>(box.y2));
    fit = fitted_into(buffer, {std::min(low.x, high.x), std::max(low.x, high.x), std::min(low.y, high.y),
                               std::max(low.y, high.y)});
  }
  p.transform = *fit;
  centre = centre_of(buffer);
  p.screen.kernel.gkpage(kernel::PageStart::kKept);
  draw_buffer(p.document, p.screen, p.transform, centre, BufferPen::kDraw, messages);
  p.screen.kernel.tekflush(kernel::Flush::kShowAndWait);
}

// Everything the paste appends is checked first, so that the drawing is
// never left half pasted or holding a value its file cannot hold.
void paste_into_drawing(const PasteMenu& p, DrawingPoint centre) {
  p.screen.ui.screen().clear();
  p.screen.ui.screen().write_line(1, kPasting);
  const std::vector<Record> records =
      pasted_records(p.document.buffer, p.transform, centre, paste_target(p.document, p.screen));
  for (const Record& r : records)
    if (!kinds().to_file(r).ok())
      return tell(p.screen, "THE PASTED BUFFER WOULD HOLD A VALUE TOO LARGE FOR THE FILE; NOTHING WAS PASTED.");
  for (const Record& r : records) p.document.drawing.append(r);
}

void show_buffer(const PasteMenu& p, DrawingPoint centre, BufferPen pen, ColourProblems& messages) {
  p.screen.kernel.gkpage(kernel::PageStart::kKept);
  draw_buffer(p.document, p.screen, p.transform, centre, pen, messages);
  p.screen.kernel.tekflush(kernel::Flush::kShowAndWait);
}

using Row = MenuRow<AfterKey, const PasteMenu&, ColourProblems&, DrawingPoint&>;
constexpr AfterKey stay = AfterKey::kStay;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 13, "                  F1 = COPY BUFFER INTO BOX.",
     [](const PasteMenu& p, ColourProblems& m, DrawingPoint& centre) { return copy_into_box(p, m, centre), stay; }},
    {ui::FKey::kF2, 15, "                  F2 = VIEW THE SCREEN.",
     [](const PasteMenu& p, ColourProblems&, DrawingPoint&) { return edit::view_picture(p.screen), stay; }},
    {ui::FKey::kF3, 17, "                  F3 = DRAW THE BUFFER WITH PRESENT SCALE, SHIFT AND ROTATION.",
     [](const PasteMenu& p, ColourProblems& m, DrawingPoint& centre) {
       return show_buffer(p, centre, BufferPen::kDraw, m), stay;
     }},
    {ui::FKey::kF4, 19, "                  F4 = UNDRAW THE BUFFER.",
     [](const PasteMenu& p, ColourProblems& m, DrawingPoint& centre) {
       return show_buffer(p, centre, BufferPen::kErase, m), stay;
     }},
    {ui::FKey::kF5, 21, "                  F5 = CLEAR THE SCREEN.",
     [](const PasteMenu& p, ColourProblems&, DrawingPoint&) { return edit::clear_picture(p.screen), stay; }},
    {ui::FKey::kF9, 23, "                  F9 = PASTE THE BUFFER INTO THE DRAWING.",
     [](const PasteMenu& p, ColourProblems&, DrawingPoint& centre) {
       // Pasting into no drawing would append to one that is never written.
       if (!p.document.file_open) drawing_guard(p.screen);
       else paste_into_drawing(p, centre);
       return stay;
     }},
    {ui::FKey::kF10, 25, "                  F10= RETURN TO THE MAIN MENU.",
     [](const PasteMenu&, ColourProblems&, DrawingPoint&) { return AfterKey::kLeave; }},
};

void show_screen(const Document& document, Screen& screen) {
  create::show_menu(screen, 3, kBanner, kLines);
  write_legends(screen.ui.screen(), kRows);
  create::write_drawing_name(document, screen, kNameLabel, kNoDrawing, kNameColumn);
}

}  // namespace

void paste_menu(const PasteMenu& p, ColourProblems& messages) {
  DrawingPoint centre = centre_of(drawing_extent(p.document.buffer, p.screen.render));
  for (;;) {
    show_screen(p.document, p.screen);
    ui::FieldSet set = paste_fields(p.transform);
    between_actions(p.document, p.screen);
    const ui::FieldKey key = create::enter(p.screen, set);
    store_typed(set, p.transform);
    if (undo_or_redo(p.document, p.screen, key, messages)) continue;
    if (act_on(kRows, ui::fkey_of(key), p, messages, centre) == AfterKey::kLeave) return;
  }
}

}  // namespace plv::paste
