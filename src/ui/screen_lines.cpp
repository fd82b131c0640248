#include "ui/screen_lines.h"
#include "text/fixed_text.h"

namespace plv::ui {

std::string padded(std::string_view text, int width) { return text::padded(text, static_cast<std::size_t>(width)); }

}  // namespace plv::ui
