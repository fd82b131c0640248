#pragma once
// The drawing the window shows, as its title and its close question see
// it: the program that owns the drawing names it, says whether it holds
// changes its file lacks, and writes it when the user asks on closing.

#include <optional>
#include <string>
#include <utility>

#include "host/surface.h"

namespace plv::host {

class DrawingKeeper {
 public:
  virtual ~DrawingKeeper() = default;
  // The drawing's file name, such as "figure.plv"; empty when none is open.
  virtual std::string name() const = 0;
  virtual bool unwritten_changes() const = 0;
  // Writes the drawing to its file: empty when it was written whole,
  // otherwise what the user is told.
  virtual std::string write() = 0;
  // A point of the picture (plot coordinates) in the drawing's own units,
  // for the status line; none when it has none there.
  virtual std::optional<std::pair<double, double>> drawing_point(int /*plot_x*/, int /*plot_y*/) const {
    return std::nullopt;
  }
  // The view of the shown picture zoomed by wheel notches about a point,
  // panned from one point to another, or put back as it was before the last
  // such change; the picture is drawn again at once. Points in plot
  // coordinates.
  virtual void zoom_view(int /*steps*/, Point /*about*/) {}
  virtual void pan_view(Point /*from*/, Point /*to*/) {}
  virtual void previous_view() {}
};

// The window's title: the drawing's name, marked while its file lacks
// changes, before the program's caption.
inline std::string window_title(const std::string& caption, const std::string& name, bool unwritten) {
  if (name.empty()) return caption;
  return (unwritten ? "*" : "") + name + " - " + caption;
}

}  // namespace plv::host
