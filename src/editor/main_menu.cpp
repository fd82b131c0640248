#include "editor/main_menu.h"

#include <array>
#include <string_view>

#include "ui/field_entry.h"
#include "ui/screen_layout.h"
#include "ui/screen_lines.h"
#include "ui/text_screen.h"
#include "ui/toolkit.h"

namespace plv {
namespace {

constexpr std::string_view kBanner = "   *** MAIN MENU ***  *** MAIN MENU ***  *** MAIN MENU  ***   *** MAIN MENU *** ";
constexpr std::string_view kNameLabel = "                         DRAWING FILE NAME:";
constexpr int kNameColumn = 47;
constexpr std::string_view kNoDrawing = "                         NO DRAWING FILE IS OPEN";
constexpr std::string_view kLayerLabels = "             WORK ON LAYER:            ALSO DRAW LAYER:";
constexpr std::string_view kKeys = "   F1      F2      F3      F4      F5      F6      F7     F8      F9      F10   ";
constexpr std::string_view kLegend1 = " FILES    ZOOM    DRAW    DRAW    EDIT/   SCREEN BUFFER  PASTE  CREATE    EXIT  ";
constexpr std::string_view kLegend2 = " &HELP           WINDOW    ALL   DELETE    MENU   MENU    MENU   MENU     MENU  ";

constexpr int kMapFirstRow = 9;
constexpr int kMapEntryWidth = 20;
constexpr std::array<int, 5> kMapColumns{1, 13, 29, 46, 63};
// One column of the map per sub-menu, from row 9 down; "" leaves a row empty.
using MapColumn = std::array<std::string_view, 13>;
constexpr MapColumn kFileColumn{"FILE MENU", "   F1", "", "WRITE FILE ", "QUIT FILE ", "HELP MENU ", "", "",
                                "SCREEN MENU", "   F6", "DRAG SCREEN", "VIEW SCREEN", "ERASE SCREEN"};
constexpr std::array<MapColumn, 4> kOtherColumns{{
    {"EDIT/DELETE ", "   F5", "DELETE ONE", "DELETE BOX", "EDIT ONE", "SHOW DELETES", "KILL DELETES", "UNDELETE LAST"},
    {"BUFFER MENU", "   F7", "CUT TO BUFFER", "COPY TO BUFFER", "READ TO BUFFER", "WRITE TO DISC", "CLEAR BUFFER"},
    {"PASTE MENU", "   F8", "DRAW BUFFER", "UNDRAW BUFFER", "PASTE TO DRAWING", "COPY INTO BOX", "ERASE SCREEN",
     "VIEW SCREEN"},
    {"CREATE MENU", "   F9", "DRAW LINE", "DRAW ARROW", "DRAW BOX", "DRAW STRING", "DRAW CIRCLE", "DRAW ELLIPSE",
     "DRAW BRACKET", "SET COLOR", "ENTER COMMENT"},
}};
constexpr int kOpenCloseRow = 2;  // index in the file column

constexpr int kLayerRow = 7;
constexpr int kWorkLayerColumn = 30, kAlsoDrawColumn = 58, kLayerWidth = 5;


void write_map_column(ui::TextScreen& screen, int column, const MapColumn& entries) {
  for (size_t i = 0; i < entries.size(); ++i)
    if (!entries[i].empty())
      screen.write_at(kMapFirstRow + static_cast<int>(i), column, ui::padded(entries[i], kMapEntryWidth), kMapEntryWidth);
}

ui::FieldSet layer_fields(const RenderState& render) {
  ui::FieldSet set;
  for (int column : {kWorkLayerColumn, kAlsoDrawColumn}) {
    ui::Field f;
    f.row = kLayerRow;
    f.column = column;
    f.width = kLayerWidth;
    f.type = ui::FieldType::integer();
    f.integer = column == kWorkLayerColumn ? render.work_layer : render.also_draw_layer;
    set.fields.push_back(f);
  }
  set.current = 1;
  return set;
}

}  // namespace

void show_main_menu(const Document& document, Screen& screen) {
  ui::TextScreen& page = screen.ui.screen();
  page.clear();
  page.write_line(1, screen.ui.lines().title);
  page.write_line(3, kBanner, ui::attr::kHighlighted);
  if (document.file_open) {
    page.write_line(5, kNameLabel);
    page.write_at(5, kNameColumn, document.drawing_name, kDrawingNameLength);
  } else {
    page.write_line(5, kNoDrawing);
  }
  page.write_line(kLayerRow, kLayerLabels);
  MapColumn file_column = kFileColumn;
  file_column[kOpenCloseRow] = document.file_open ? "CLOSE FILE" : "OPEN FILE";
  write_map_column(page, kMapColumns[0], file_column);
  for (size_t i = 0; i < kOtherColumns.size(); ++i) write_map_column(page, kMapColumns[i + 1], kOtherColumns[i]);
  page.write_line(23, kKeys, ui::attr::kHighlighted);
  page.write_line(24, kLegend1);
  page.write_line(25, kLegend2);
}

std::optional<MainChoice> main_menu(const Document& document, Screen& screen) {
  ui::FieldSet fields = layer_fields(screen.render);
  show_main_menu(document, screen);
  const ui::FieldKey key = ui::enter_form(screen.ui, fields);
  if (key == ui::FieldKey::kUndo) return MainChoice::kUndo;
  if (key == ui::FieldKey::kRedo) return MainChoice::kRedo;
  if (key == ui::FieldKey::kOpenImported) return MainChoice::kOpenImported;
  if (!key.is_function()) return std::nullopt;
  screen.render.work_layer = fields.field(1).integer;
  screen.render.also_draw_layer = fields.field(2).integer;
  return static_cast<MainChoice>(key.function_number());
}

}  // namespace plv
