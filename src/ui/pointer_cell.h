#pragma once

#include "ui/screen_layout.h"

namespace plv::host {
struct TextLayout;
}

namespace plv::ui {

// The one-based cell under a client pixel of the text screen. A pixel in
// the window's margins gives a row or column off the screen (below 1 or
// past the last), so it never counts as a press on an edge cell.
TextCell cell_under_pointer(const host::TextLayout& layout, int x, int y);

}  // namespace plv::ui
