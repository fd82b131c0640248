// Window, pages, the pen and strings.

#include "kernel/kernel.h"

#include <algorithm>
#include <cmath>

#include "host/program_exit.h"
#include "kernel/clipping.h"

namespace plv::kernel {

Kernel::Kernel(host::Host& host, std::filesystem::path dump_directory)
    : host_(host), dump_directory_(std::move(dump_directory)) {}

void Kernel::gkopen(std::string_view caption) {
  aspect_ = 1.0f;
  host_.set_caption(caption);
  if (!host_.create_window()) throw ProgramExit{1};  // the user has been told why
  std::array<std::vector<PaletteColour>, kPaletteCount> palettes;
  for (int p = 1; p <= kPaletteCount; ++p) palettes[p - 1] = realised_palette(p);
  colours_.set_palettes(std::move(palettes));
  gkcolor(7);
  colours_.forget_mode();  // the first colour call of a drawing picks the mode
  slots_[0] = DeviceTransform::for_chain(kUserWindow, kNormalisedViewport, kWindowRaster);
  slots_[1] = DeviceTransform::for_chain(kUserWindow, kNormalisedViewport, kSecondDeviceRaster);
}

void Kernel::open_page() {
  if (page_open_) return;
  page_open_ = true;
  slots_[0] = DeviceTransform::for_chain(kUserWindow, kNormalisedViewport, kWindowRaster);
  slots_[1] = DeviceTransform::for_chain(kUserWindow, kNormalisedViewport, kSecondDeviceRaster);
}

void Kernel::gkpage(PageStart start) {
  const int i = static_cast<int>(start);
  // Erasing at once, also behind the text screen, means nothing drawn
  // before the switch to the picture can be lost by a late erase.
  if (i == 0) host_.picture().clear();
  open_page();
}

void Kernel::ensure_graphics_mode() {
  if (!host_.graphics_mode()) host_.enter_graphics_mode(true);
}

void Kernel::gkgraph() {
  ensure_graphics_mode();
  apply(colours_.restart());
}

void Kernel::gkalpha() {
  if (host_.graphics_mode()) host_.leave_graphics_mode(true);
}

host::Key Kernel::show_page_and_wait() {
  if (!page_open_) return host::Key::kNone;
  page_open_ = false;
  ensure_graphics_mode();  // the user looks at the picture, even an empty one, while it waits
  const host::Key key = gkkey();
  // The picture's wait passes no key on; a close must reach the next wait.
  if (key.is_close()) host_.repeat_close();
  if (key.is_letter('f')) dump_screen();
  // "P", "p" and "`" ask the second device to print; it has nothing to do.
  gkalpha();
  return key;
}

void Kernel::tekflush(Flush flush) {
  const int i = static_cast<int>(flush);
  if (i == 0) {
    show_page_and_wait();
  } else if (i == 1) {
    page_open_ = false;
    gkalpha();
  } else {
    host_.message("ERROR: TEKFLUSH CALLED WITH I NOT 0 OR 133");
    host_.end_program(1);
  }
}

void Kernel::gkexit(int status) { host_.end_program(status); }

void Kernel::gkmove(float x, float y) { move(x, y * aspect_); }

void Kernel::gkdraw(float x, float y) { draw(x, y * aspect_); }

void Kernel::gkwhere(float& x, float& y) const {
  x = static_cast<float>(pen_.x);
  y = static_cast<float>(pen_.y / aspect_);
}

void Kernel::gkunitv(float& dx, float& dy, float x2, float y2, float x1, float y1, float& length) {
  dx = x2 - x1;
  dy = y2 - y1;
  length = std::sqrt(dx * dx + dy * dy);
  if (length != 0) {
    dx /= length;
    dy /= length;
  }
}

void Kernel::move(float x, float y) {
  pen_.x = x;
  pen_.y = y;
  // The second device draws nothing, so its pen position is never needed.
  pen_.device[0] = slots_[0].to_device(x, y);
}

void Kernel::line_on_window(DevicePoint from, DevicePoint to) {
  ensure_graphics_mode();
  host_.picture().draw_line(from.x, from.y, to.x, to.y);
}

void Kernel::draw(float x, float y) {
  const DevicePoint pen_device = pen_.device[0];
  const UserSegment whole{pen_.x, pen_.y, x, y};
  move(x, y);  // the pen always ends at the unclipped point
  // A point beyond all numbers (a layer scaled past them, say) has no line.
  if (!std::isfinite(whole.x1) || !std::isfinite(whole.y1) || !std::isfinite(x) || !std::isfinite(y)) return;
  if (!clipping_) return line_on_window(pen_device, pen_.device[0]);
  const auto visible = clip_segment(whole, clip_);
  if (!visible) return;
  const bool start_moved = visible->x1 != whole.x1 || visible->y1 != whole.y1;
  const bool end_moved = visible->x2 != whole.x2 || visible->y2 != whole.y2;
  const DevicePoint from = start_moved ? slots_[0].to_device(visible->x1, visible->y1) : pen_device;
  line_on_window(from, end_moved ? slots_[0].to_device(visible->x2, visible->y2) : pen_.device[0]);
}

void Kernel::gkclip(float xmin, float xmax, float ymin, float ymax) { clip_ = {xmin, xmax, ymin, ymax}; }

void Kernel::box_filled(float x1, float y1, float x2, float y2, int flags) {
  ensure_graphics_mode();
  const DevicePoint a = slots_[0].to_device(x1, y1), b = slots_[0].to_device(x2, y2);
  auto inset = [flags](int bit) { return (flags >> bit) & 1 ? 0 : 1; };
  host_.picture().draw_filled_rectangle(std::min(a.x, b.x), std::max(a.y, b.y), std::max(a.x, b.x),
                                        std::min(a.y, b.y), inset(0), inset(1), inset(2), inset(3));
}

void Kernel::quad_filled(const std::array<float, 8>& c) {
  ensure_graphics_mode();
  std::int16_t xs[4], ys[4];
  for (int k = 0; k < 4; ++k) {
    const DevicePoint p = slots_[0].to_device(c[2 * k], c[2 * k + 1]);
    xs[k] = static_cast<std::int16_t>(p.x);
    ys[k] = static_cast<std::int16_t>(p.y);
  }
  host_.picture().draw_polygon(xs, ys, 4);
}

void Kernel::set_char_size(float width, float height) {
  string_.char_width = width;
  string_.char_height = height;
}

void Kernel::set_advance(float ax, float ay) {
  string_.advance_x = ax;
  string_.advance_y = ay;
}

void Kernel::set_rotation(float s, float c) {
  string_.rotation_s = s;
  string_.rotation_c = c;
}

void Kernel::draw_string(int n, std::string_view text) {
  if (n < 0) n = 0;
  const UserPoint next = trace_text(string_, {static_cast<float>(pen_.x), static_cast<float>(pen_.y)},
                                    text.substr(0, static_cast<size_t>(n)), [this](UserPoint p, bool starts_stroke) {
                                      if (starts_stroke) move(p.x, p.y);
                                      else draw(p.x, p.y);
                                    });
  move(next.x, next.y);
}

void Kernel::gkchars(float size, int direction, std::string_view text) {
  // The same proportions as the editor's own strings: cells 45/7 of the
  // size apart, letters 30/7 wide.
  const float base = 6.4285712f * size;
  const Rotation r = direction_rotation(direction & 3);
  set_char_size(4.2857142f * size, base);
  set_rotation(r.s, r.c);
  const float dirs[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
  set_advance(base * dirs[direction & 3][0], base * dirs[direction & 3][1]);
  draw_string(static_cast<int>(text.size()), text);
}

}  // namespace plv::kernel
