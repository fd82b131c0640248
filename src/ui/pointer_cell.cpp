#include "ui/pointer_cell.h"

#include "host/text_layout.h"

namespace plv::ui {
namespace {

int floor_divide(int a, int b) {
  if (b <= 0) return 0;
  const int q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

}  // namespace

TextCell cell_under_pointer(const host::TextLayout& layout, int x, int y) {
  return {floor_divide(y - layout.top_margin, layout.line_height) + 1,
          floor_divide(x - layout.left_margin, layout.char_width) + 1};
}

}  // namespace plv::ui
