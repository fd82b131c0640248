#include "editor/files/translation_setup_menu.h"

#include <cctype>
#include <filesystem>

#include "drawing/setup_line.h"
#include "editor/files/translate_drawing.h"
#include "host/host.h"
#include "kernel/kernel.h"
#include "ui/messages.h"
#include "ui/field_entry.h"
#include "ui/toolkit.h"

namespace plv {
namespace {

struct MenuLine {
  int row;
  std::string_view text;
};
constexpr MenuLine kLines[] = {
    {4, "********* SETUP MENU FOR TRANSLATION PARAMETERS FOR PROGRAM GLIMPT *************"},
    {6, "         TRANSLATION MODE:           PR=COPY-TO-PRINTER"},
    {7, "                                     EP=ENCAPSULATED POSTSCRIPT"},
    {8, "                                     FOR \"WORD\" OR \"WORDPERFECT\""},
    {9, "                                     MS=FOR LOTUS MANUSCRIPT."},
    {11, "         DRAWING WIDTH:                  CENTIMETRES"},
    {13, "         LINE WIDTH:"},
    {15, "         LETTERING FONT:             D=DRAFTING LETTERS"},
    {16, "                                     C=COURIER FONT"},
    {17, "                                     H=HELVETICA FONT"},
    {18, "                                     T=TIMES-ROMAN FONT"},
    {20, "         MONO OR COLOR:              (SPECIFY M OR C)"},
    {22, "         LANDSCAPE OR PORTRAIT:      (SPECIFY L OR P)"},
    {24, "         F9= TRANSLATE THE DRAWING NOW"},
    {25, "         F10= RETURN TO THE MAIN MENU"},
};

enum Field { kMode = 1, kDrawingWidth, kLineWidth, kFont, kColour, kOrientation };
constexpr int kWidthField = 10;
constexpr ui::FieldKey kTranslateKey = ui::FieldKey::function(9);
constexpr ui::FieldKey kReturnKey = ui::FieldKey::function(10);

void show_screen(Screen& screen) {
  ui::TextScreen& s = screen.ui.screen();
  s.clear();
  s.write_at(1, 1, screen.ui.lines().title, ui::kScreenColumns);
  for (const MenuLine& line : kLines) s.write_at(line.row, 1, line.text, ui::kScreenColumns);
}

ui::FieldSet setup_fields(const SetupValues& v) {
  auto text = [](int row, int column, std::string value) {
    return ui::Field{.row = row, .column = column, .width = static_cast<int>(value.size()),
                     .type = ui::FieldType::text(), .text = value};
  };
  auto real = [](int row, double value) {
    return ui::Field{.row = row, .column = 29, .width = kWidthField, .type = ui::FieldType::fixed(4),
                     .real = static_cast<float>(value)};
  };
  ui::FieldSet set;
  set.fields = {text(6, 29, v.mode),       real(11, v.drawing_width),         real(13, v.line_width),
                text(15, 29, {v.font}),    text(20, 34, {v.colour}),          text(22, 34, {v.orientation})};
  return set;
}

char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// What was typed, upper-cased. A width left alone keeps its full precision.
SetupValues typed_values(const ui::FieldSet& set, const SetupValues& old) {
  auto width = [&set](Field f, double value) {
    const float typed = set.field(f).real;
    return typed == static_cast<float>(value) ? value : static_cast<double>(typed);
  };
  SetupValues v;
  v.mode = set.field(kMode).text;
  for (char& c : v.mode) c = upper(c);
  v.drawing_width = width(kDrawingWidth, old.drawing_width);
  v.line_width = width(kLineWidth, old.line_width);
  v.font = upper(set.field(kFont).text[0]);
  v.colour = upper(set.field(kColour).text[0]);
  v.orientation = upper(set.field(kOrientation).text[0]);
  return v;
}

std::string upper_text(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = upper(c);
  return s;
}

// Lines from the top of a cleared screen, the last followed by the prompt.
void tell(Screen& screen, const std::vector<std::string>& lines) {
  ui::Toolkit& tk = screen.ui;
  tk.lines().set_message(lines.front());
  if (lines.size() == 1) return ui::note_and_wait(tk);
  ui::begin_messages(tk);
  for (size_t i = 1; i < lines.size(); ++i) {
    tk.lines().set_message(lines[i]);
    if (i + 1 == lines.size()) ui::message_and_wait(tk);
    else ui::next_message(tk);
  }
}

// The drawing translated beside its file, as the mode names the format.
void translate_now(const Document& document, Screen& screen) {
  if (!document.file_open) return tell(screen, {"NO DRAWING FILE IS OPEN: THERE IS NOTHING TO TRANSLATE."});
  const std::string mode = parse_setup_line(document.setup_line).mode;
  const auto format = publish::format_for_mode(mode);
  if (!format) return tell(screen, print_open_drawing(document, screen));
  const std::string path = path_beside_drawing(document, *format);
  std::error_code ignored;
  if (std::filesystem::exists(path, ignored) && !screen.kernel.host().may_replace(path))
    return tell(screen, {"NOTHING WAS TRANSLATED: THE FILE WAS KEPT AS IT WAS:", path});
  const DrawingTranslation t = translate_open_drawing(document, screen, path);
  std::vector<std::string> lines;
  if (t.ok) lines = {"THE DRAWING WAS TRANSLATED TO:", t.path, upper_text(t.detail)};
  else lines = {">>>ERROR: THE DRAWING WAS NOT TRANSLATED:", t.detail};
  for (const std::string& note : t.notes) lines.push_back(upper_text(note));
  tell(screen, lines);
}

}  // namespace

void translation_setup_menu(Document& document, Screen& screen) {
  int current = 0;  // the menu resumes on the field it left
  for (;;) {
    const SetupValues old = parse_setup_line(document.setup_line);
    show_screen(screen);
    ui::FieldSet set = setup_fields(old);
    set.current = current;
    const ui::FieldKey key = ui::enter_form(screen.ui, set);
    current = set.current;
    document.setup_line = format_setup_line(accept_typed(old, typed_values(set, old)));
    if (key == kReturnKey) return;
    if (key == kTranslateKey) translate_now(document, screen);
  }
}

}  // namespace plv
