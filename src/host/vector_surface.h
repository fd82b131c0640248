#pragma once
// A host surface over a vector page (a metafile or a PDF page): what the
// picture replays onto it becomes the page's paths.

#include <memory>
#include <optional>
#include <span>

#include "host/surface.h"
#include "image/vector_page.h"

namespace plv::host {

class VectorSurface final : public Surface {
 public:
  explicit VectorSurface(image::VectorPage& page) : page_(page) {}

  void select_pen(std::optional<Pen> pen) override;
  void select_brush(std::optional<Rgb> brush) override;
  void set_mix(Mix mix) override;
  void line(Point from, Point to) override;
  void rectangle(int left, int top, int right, int bottom) override;
  void polygon(std::span<const Point> vertices) override;

 private:
  image::VectorPage& page_;
};

}  // namespace plv::host
