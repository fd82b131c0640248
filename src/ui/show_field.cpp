#include "ui/show_field.h"

#include "ui/text_screen.h"

namespace plv::ui {

void show_field(TextScreen& screen, std::string_view text, int length, bool highlight, bool is_protected) {
  if (highlight || is_protected || length < 1) {
    screen.write(text, length, highlight ? attr::kHighlighted : attr::kNormal);
    return;
  }
  screen.write_highlighted(text, 1);
  screen.write_normal(text.substr(text.empty() ? 0 : 1), length - 1);
}

}  // namespace plv::ui
