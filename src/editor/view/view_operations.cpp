#include "editor/view/view_operations.h"

#include <algorithm>
#include <cmath>

#include "render/redraw.h"
#include "editor/pointer.h"
#include "host/host.h"
#include "kernel/kernel.h"
#include "kernel/palette_screen.h"

namespace plv::edit {
namespace {

constexpr double kWindowWidth = 3300, kWindowHeight = 2500;
constexpr double kFlatBoxSide = 100;

// Nothing when the user gave up with Escape.
std::optional<PlotPoint> pick_plot_point(Screen& screen, std::string subject) {
  const PointingAt at(screen, std::move(subject));
  const auto answer = on_picture(screen, [](kernel::Kernel& k) { return k.gkpick(0, 0, kPickLimits); });
  if (cancels_pointing(answer.key)) return std::nullopt;
  return PlotPoint{answer.x, answer.y};
}

}  // namespace

ViewTransform zoomed(const ViewTransform& view, const PlotBox& box) {
  const double width = box.x2 - box.x1 == 0 ? kFlatBoxSide : std::abs(box.x2 - box.x1);
  const double height = box.y2 - box.y1 == 0 ? kFlatBoxSide : std::abs(box.y2 - box.y1);
  const double z = std::min(kWindowWidth / width, kWindowHeight / height);
  const double dx = -(box.x1 + box.x2) * z * 0.5;
  const double dy = -(box.y1 + box.y2) * z * 0.5;
  return {view.scale * z, view.x_shift * z + dx, view.y_shift * z + dy};
}

ViewTransform dragged(const ViewTransform& view, PlotPoint from, PlotPoint to) {
  return {view.scale, view.x_shift + (to.x - from.x), view.y_shift + (to.y - from.y)};
}

ViewTransform zoomed_about(const ViewTransform& view, PlotPoint at, double factor, double aspect) {
  return {view.scale * factor, at.x - (at.x - view.x_shift) * factor,
          at.y / aspect - (at.y / aspect - view.y_shift) * factor};
}

namespace {

// The wait of a picture of the whole drawing, where the wheel and the
// middle button change the view.
void wait_on_whole_picture(Screen& screen) {
  struct ViewByMouse {
    host::Host& host;
    explicit ViewByMouse(host::Host& h) : host(h) { host.set_view_by_mouse(true); }
    ~ViewByMouse() { host.set_view_by_mouse(false); }
  } allowed(screen.kernel.host());
  screen.kernel.tekflush(kernel::Flush::kShowAndWait);
}

}  // namespace

void draw_again(const Document& document, Screen& screen, ColourProblems& messages) {
  screen.kernel.gkpage(kernel::PageStart::kErased);
  redraw_all(document.drawing, screen.render, screen.kernel, messages);
  screen.kernel.host().show_picture();
}

void view_picture(Screen& screen) {
  screen.kernel.gkpage(kernel::PageStart::kKept);
  screen.kernel.tekflush(kernel::Flush::kShowAndWait);
}

void clear_picture(Screen& screen) {
  screen.kernel.gkpage(kernel::PageStart::kErased);
  screen.kernel.tekflush(kernel::Flush::kShowAndWait);
}

void redraw_picture(const Document& document, Screen& screen, ColourProblems& messages) {
  screen.kernel.gkpage(kernel::PageStart::kErased);
  redraw_all(document.drawing, screen.render, screen.kernel, messages);
  wait_on_whole_picture(screen);
}

void show_palette(const Document& document, Screen& screen, ColourProblems& messages) {
  kernel::show_colour_palette(screen.kernel);
  redraw_picture(document, screen, messages);
}

void draw_all(const Document& document, Screen& screen, ColourProblems& messages) {
  screen.render.view = fit_view(drawing_extent(document.drawing, screen.render));
  redraw_picture(document, screen, messages);
}

void zoom_window(const Document& document, Screen& screen, ColourProblems& messages) {
  const PlotBox& last = screen.zoom_box;
  const PointingAt at(screen, "Zoom: the box to fill the window");
  const auto box = on_picture(screen, [&last](kernel::Kernel& k) {
    return k.gkrbox(static_cast<float>(last.x1), static_cast<float>(last.y1), static_cast<float>(last.x2),
                    static_cast<float>(last.y2), kSelectionBoxLimits);
  });
  if (cancels_pointing(box.key)) return;
  screen.zoom_box = {std::min(box.x1, box.x2), std::min(box.y1, box.y2), std::max(box.x1, box.x2),
                     std::max(box.y1, box.y2)};
  screen.render.view = zoomed(screen.render.view, screen.zoom_box);
  redraw_picture(document, screen, messages);
}

void drag_window(const Document& document, Screen& screen, ColourProblems& messages) {
  const auto from = pick_plot_point(screen, "Drag: pick a point of the picture");
  if (!from) return;
  const auto to = pick_plot_point(screen, "Drag: pick where that point goes");
  if (!to) return;
  screen.render.view = dragged(screen.render.view, *from, *to);
  redraw_picture(document, screen, messages);
}

}  // namespace plv::edit
