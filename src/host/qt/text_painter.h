#pragma once
// Draws the 80 x 25 text screen: every row in runs of one attribute, each
// run's cells filled with its cell colour and its characters in a
// fixed-pitch font fitted to the cell, then the caret under the current cell.

#include <QFont>

#include "host/window_system.h"

class QPainter;

namespace plv::host {

class TextPainter {
 public:
  // Paints the grid of `frame` with its layout; device pixels.
  void paint(QPainter& painter, const Frame& frame);
  // The face for the layout's font height (chosen on first use).
  const QFont& font_for(const TextLayout& layout);

 private:
  void choose_font(const TextLayout& layout);

  QFont font_;
  int font_height_ = -1;
  int char_width_ = -1;
  double x_scale_ = 1.0;  // squeezes a face wider than the cell
  int ascent_ = 0;
  int descent_ = 0;
};

}  // namespace plv::host
