#pragma once
// What the element menus remember from one use to the next, for the whole
// run: the two shared points and each menu's own settings.

#include <string>

#include "drawing/drawing_transforms.h"
#include "kinds/arrow.h"
#include "kinds/filled_quadrilateral.h"

namespace plv {

inline constexpr int kStringTextLength = 80;

struct StringSettings {
  std::string text = std::string(kStringTextLength, ' ');
  int size = 10;
  int direction = 0;  // 0 = +x, 1 = +y, 2 = -x, 3 = -y
  char key_point = 'S';
  DrawingPoint location{0, 0};
};

// The points every element menu starts from and pointing moves: the start
// of line-like elements and first corner; the end point and second corner.
struct SharedPoints {
  DrawingPoint first{-100, -100};
  DrawingPoint second{100, 100};
};

struct CreateState : SharedPoints {
  char line_type = 'S';
  int line_width = 1;
  ArrowFlags arrow_flags{'N', 'N', 'Y', 'N', 'N'};
  StringSettings string;
  // Circle: centre, arc start, arc end; ellipse: centre and the ends of its axes.
  DrawingPoint circle_a{0, 0}, circle_b{100, 0}, circle_c{0, 100};
  char bracket_facing = 'R';
  DrawingPoint quad_third{0, 0}, quad_fourth{0, 0};
};

}  // namespace plv
