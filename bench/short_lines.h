#pragma once
// The benchmarks' picture: red lines of at most 20 pixels on a 1400 x 1000
// window (2.5 plot units a pixel, so steps of at most 49 units), at random
// places, the same every run.

#include <random>

#include "host/picture.h"

inline void draw_short_lines(plv::host::Picture& picture, int lines) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> x(-1700, 1700), y(-1200, 1200), step(-49, 49);
  picture.set_colour(255, 0, 0);
  for (int i = 0; i < lines; ++i) {
    const int x1 = x(random), y1 = y(random);
    picture.draw_line(x1, y1, x1 + step(random), y1 + step(random));
  }
}
