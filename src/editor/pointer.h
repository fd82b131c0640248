#pragma once
// The pointer on the picture for the menus: drawing units to the kernel's
// units and back through the view and the aspect factor, and the kernel's
// pick and rubber-band box run in the pointer colour. A window closed
// during any of them ends the program; Escape ends one as the user's
// "never mind", which each caller honours by making and changing nothing.

#include <string>

#include "drawing/drawing_transforms.h"
#include "editor/screen.h"
#include "host/key.h"
#include "kernel/kernel.h"
#include "ui/close_requested.h"

namespace plv {

// While it lives, the status line names what the pointer places.
class PointingAt {
 public:
  PointingAt(Screen& screen, std::string subject);
  ~PointingAt();
  PointingAt(const PointingAt&) = delete;
  PointingAt& operator=(const PointingAt&) = delete;

 private:
  host::Host& host_;
  std::string before_;
};

// Where picks may go on the picture, and boxes be dragged.
inline constexpr kernel::UserLimits kPickLimits{-1650, 1650, -1250, 1250};
inline constexpr kernel::UserLimits kSelectionBoxLimits{-1600, 1600, -1200, 1200};

struct KernelPoint {
  float x, y;
};
KernelPoint to_kernel(const Screen& screen, DrawingPoint p);
DrawingPoint from_kernel(const Screen& screen, float x, float y);
KernelPoint clamped(KernelPoint p, const kernel::UserLimits& limits);

// Runs a pointer operation on the picture in the pointer colour and
// returns its answer; a close throws ui::CloseRequested.
template <typename Operation>
auto on_picture(Screen& screen, Operation operation) {
  constexpr int kPointerColour = 7;
  screen.kernel.gkcolor(kPointerColour);
  screen.kernel.gkgraph();
  const auto answer = operation(screen.kernel);
  screen.kernel.gkalpha();
  if (answer.key.is_close()) throw ui::CloseRequested{};
  return answer;
}

// True for the key that abandons a pick, a rubber band or a box: whatever
// it was for is not done. Every other key that ends one accepts it.
constexpr bool cancels_pointing(host::Key key) { return key == host::Key::kEscape; }

struct PickedPoint {
  DrawingPoint point;
  host::Key key;  // what ended the pick
};
// A pick starting at `from`, within the pick limits.
PickedPoint pick_point(Screen& screen, DrawingPoint from);

}  // namespace plv
