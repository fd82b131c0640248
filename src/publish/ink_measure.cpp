#include "publish/ink_measure.h"

#include <cairo.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "publish/cairo_canvas.h"

namespace plv::publish {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Page points: far above cairo's fixed-point steps and its error in
// turning arcs into curves.
constexpr double kSlack = 0.05;
// A mark shorter than this on the page is not trusted to ink its ends.
constexpr double kShortest = 0.05;
// Curves stay within this many radii beyond their circle's box, with
// their control points.
constexpr double kCurveOvershoot = 0.5;

struct Box {
  double xmin = kInfinity, xmax = -kInfinity, ymin = kInfinity, ymax = -kInfinity;

  void add(DrawingPoint p) {
    xmin = std::min(xmin, p.x), xmax = std::max(xmax, p.x);
    ymin = std::min(ymin, p.y), ymax = std::max(ymax, p.y);
  }
  void add(const Box& b) {
    add(DrawingPoint{b.xmin, b.ymin});
    add(DrawingPoint{b.xmax, b.ymax});
  }
  Box grown(double by) const { return {xmin - by, xmax + by, ymin - by, ymax + by}; }
  // Whether the box comes out to any side of `edges`; an empty `edges`
  // is reached by everything.
  bool reaches(const Box& edges) const {
    return xmin <= edges.xmin || xmax >= edges.xmax || ymin <= edges.ymin || ymax >= edges.ymax;
  }
};

// One piece of a path: a segment from `p` to `q`, an arc or ellipse
// round `p`, or a rectangle at corner `p`.
struct Piece {
  enum class Shape { kMove, kSegment, kArc, kEllipse, kRectangle, kClose } shape;
  DrawingPoint p{0, 0}, q{0, 0};
  double a = 0, b = 0, c = 0;  // radius, from, to; semi-axes; size
};

// Keeps the path as the painter builds it, in drawing units, and follows
// the pen; what becomes of a stroke or fill is left to the pass.
class PathKeeper : public PaperCanvas {
 public:
  PathKeeper(const PageFrame& trial, double line_width, PaperCanvas& measurer)
      : trial_(trial), half_width_(line_width / 2), measurer_(measurer) {}

  void colour(host::Rgb) override {}  // ink is ink whatever its colour
  void move_to(DrawingPoint p) override {
    keep({Piece::Shape::kMove, p});
    current_ = start_ = p;
  }
  void line_to(DrawingPoint p) override {
    keep({Piece::Shape::kSegment, current_, p});
    current_ = p;
  }
  DrawingPoint current_point() override { return current_; }
  void arc(DrawingPoint centre, double radius, double from, double to) override {
    keep({Piece::Shape::kArc, centre, {}, radius, from, to});
    start_ = on_circle(centre, radius, from);
    current_ = on_circle(centre, radius, to);
  }
  void ellipse(DrawingPoint centre, double semi_axis_x, double semi_axis_y) override {
    keep({Piece::Shape::kEllipse, centre, {}, semi_axis_x, semi_axis_y});
    current_ = start_ = centre + Vec{semi_axis_x, 0};
  }
  void rectangle(DrawingPoint corner, Vec size) override {
    keep({Piece::Shape::kRectangle, corner, {}, size.x, size.y});
    current_ = start_ = corner;
  }
  void close_path() override {
    keep({Piece::Shape::kClose, current_, start_});
    current_ = start_;
  }
  LetterExtent measure(const Typeface& typeface, double size, const std::string& letters) override {
    return measurer_.measure(typeface, size, letters);
  }

 protected:
  static DrawingPoint on_circle(DrawingPoint centre, double r, double angle) {
    return centre + Vec{r * std::cos(angle), r * std::sin(angle)};
  }
  DrawingPoint page(DrawingPoint p) const { return trial_.to_page(p); }
  double on_page(double length) const { return std::fabs(length) * trial_.scale; }

  // Where the piece's ink could lie on the page, lines aside.
  Box reach(const Piece& piece) const;
  // Page points the piece surely inks when stroked.
  void add_sure_ink(const Piece& piece, Box& sure) const;
  // The piece handed on to a canvas as it came.
  static void hand_on(const Piece& piece, PaperCanvas& to);

  const PageFrame& trial_;
  double half_width_;  // points
  std::vector<Piece> path_;

 private:
  void keep(const Piece& piece) { path_.push_back(piece); }

  PaperCanvas& measurer_;
  DrawingPoint current_{0, 0}, start_{0, 0};
};

Box PathKeeper::reach(const Piece& piece) const {
  Box box;
  switch (piece.shape) {
    case Piece::Shape::kMove: break;
    case Piece::Shape::kSegment:
    case Piece::Shape::kClose:
      box.add(page(piece.p));
      box.add(page(piece.q));
      break;
    case Piece::Shape::kArc:
    case Piece::Shape::kEllipse: {
      const double rx = piece.a, ry = piece.shape == Piece::Shape::kArc ? piece.a : piece.b;
      const double grow = 1 + kCurveOvershoot;
      box.add(page(piece.p + Vec{grow * rx, grow * ry}));
      box.add(page(piece.p - Vec{grow * rx, grow * ry}));
      break;
    }
    case Piece::Shape::kRectangle:
      box.add(page(piece.p));
      box.add(page(piece.p + Vec{piece.a, piece.b}));
      break;
  }
  return box;
}

void PathKeeper::add_sure_ink(const Piece& piece, Box& sure) const {
  if (!(half_width_ > 0)) return;
  switch (piece.shape) {
    case Piece::Shape::kMove: break;
    case Piece::Shape::kSegment:
    case Piece::Shape::kClose:
      if (on_page(std::max(std::fabs(piece.q.x - piece.p.x), std::fabs(piece.q.y - piece.p.y))) > kShortest) {
        sure.add(page(piece.p));
        sure.add(page(piece.q));
      }
      break;
    case Piece::Shape::kArc:
      if (on_page(piece.a * (piece.c - piece.b)) > kShortest) {
        sure.add(page(on_circle(piece.p, piece.a, piece.b)));
        sure.add(page(on_circle(piece.p, piece.a, piece.c)));
      }
      break;
    case Piece::Shape::kEllipse:
      if (on_page(piece.a) > kShortest && on_page(piece.b) > kShortest) sure.add(page(piece.p + Vec{piece.a, 0}));
      break;
    case Piece::Shape::kRectangle:
      if (on_page(piece.a) > kShortest && on_page(piece.b) > kShortest) sure.add(reach(piece));
      break;
  }
}

void PathKeeper::hand_on(const Piece& piece, PaperCanvas& to) {
  switch (piece.shape) {
    case Piece::Shape::kMove: to.move_to(piece.p); break;
    case Piece::Shape::kSegment:
    case Piece::Shape::kClose:
      to.move_to(piece.p);
      to.line_to(piece.q);
      break;
    case Piece::Shape::kArc: to.arc(piece.p, piece.a, piece.b, piece.c); break;
    case Piece::Shape::kEllipse: to.ellipse(piece.p, piece.a, piece.b); break;
    case Piece::Shape::kRectangle: to.rectangle(piece.p, {piece.a, piece.b}); break;
  }
}

// One run of the painter: the points strokes surely ink grow as it goes,
// and a mark that stays inside them by the width of a line cannot reach
// the ink's edges, now or later. The others wait, and those still out at
// the edges when the run ends are handed to cairo. Letters go at once.
class EdgeMarks final : public PathKeeper {
 public:
  EdgeMarks(const PageFrame& trial, double line_width, PaperCanvas& cairo)
      : PathKeeper(trial, line_width, cairo), cairo_(cairo) {}

  void stroke() override {
    for (const Piece& piece : path_) add_sure_ink(piece, sure_);
    for (const Piece& piece : path_)
      if (piece.shape != Piece::Shape::kMove && stroked_reach(piece).reaches(sure_)) strokes_.push_back(piece);
    path_.clear();
    prune_now_and_then();
  }
  void fill() override {
    Box shape;
    for (const Piece& piece : path_) shape.add(reach(piece));
    shape = shape.grown(2 * kSlack);
    if (shape.reaches(sure_)) {
      fills_.push_back({fill_pieces_.size(), fill_pieces_.size() + path_.size(), shape});
      fill_pieces_.insert(fill_pieces_.end(), path_.begin(), path_.end());
    }
    path_.clear();
  }
  void band(DrawingPoint a, DrawingPoint b, double width) override {
    if (on_page(width) > 0 && on_page(std::max(std::fabs(b.x - a.x), std::fabs(b.y - a.y))) > kShortest) {
      sure_.add(page(a));
      sure_.add(page(b));
    }
    Box reach;
    reach.add(page(a));
    reach.add(page(b));
    reach = reach.grown(on_page(width) / 2 + 2 * kSlack);
    if (reach.reaches(sure_)) bands_.push_back({a, b, width, reach});
  }
  void letters(const Typeface& typeface, double size, DrawingPoint origin, int quarter_turns,
               const std::string& letters) override {
    cairo_.letters(typeface, size, origin, quarter_turns, letters);
  }

  // The marks still at the edges, to cairo.
  void hand_on_edges() {
    prune();
    // With round caps and joins, segments stroked apart ink what they
    // inked together.
    for (const Piece& piece : strokes_) hand_on(piece, cairo_);
    if (!strokes_.empty()) cairo_.stroke();
    for (const Band& band : bands_) cairo_.band(band.a, band.b, band.width);
    for (const FillPath& path : fills_) {
      for (std::size_t k = path.from; k < path.to; ++k) whole(fill_pieces_[k]);
      cairo_.fill();
    }
  }

 private:
  struct Band {
    DrawingPoint a, b;
    double width;
    Box reach;
  };
  struct FillPath {
    std::size_t from, to;
    Box reach;
  };

  Box stroked_reach(const Piece& piece) const { return reach(piece).grown(half_width_ + 2 * kSlack); }

  void prune_now_and_then() {
    if (strokes_.size() < next_prune_) return;
    prune();
    next_prune_ = 2 * strokes_.size() + 4096;
  }
  // What the sure ink has grown round since it was kept goes.
  void prune() {
    std::erase_if(strokes_, [&](const Piece& piece) { return !stroked_reach(piece).reaches(sure_); });
    std::erase_if(bands_, [&](const Band& band) { return !band.reach.reaches(sure_); });
    std::erase_if(fills_, [&](const FillPath& path) { return !path.reach.reaches(sure_); });
  }
  // A fill's pieces go on as they came, joined.
  void whole(const Piece& piece) {
    if (piece.shape == Piece::Shape::kSegment) cairo_.line_to(piece.q);
    else if (piece.shape == Piece::Shape::kClose) cairo_.close_path();
    else hand_on(piece, cairo_);
  }

  PaperCanvas& cairo_;
  Box sure_;
  std::vector<Piece> strokes_;
  std::vector<Band> bands_;
  std::vector<Piece> fill_pieces_;
  std::vector<FillPath> fills_;
  std::size_t next_prune_ = 4096;
};

struct Recording {
  std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface{
      cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr), cairo_surface_destroy};
  std::unique_ptr<cairo_t, void (*)(cairo_t*)> context{cairo_create(surface.get()), cairo_destroy};

  std::optional<Extent> ink(const PageFrame& trial) {
    context.reset();
    double x = 0, y = 0, w = 0, h = 0;
    cairo_recording_surface_ink_extents(surface.get(), &x, &y, &w, &h);
    if (!(w > 0 && h > 0)) return std::nullopt;
    const Extent& f = trial.frame;
    const double s = trial.scale;
    return Extent{f.xmin + x / s, f.xmin + (x + w) / s, f.ymax - (y + h) / s, f.ymax - y / s};
  }
};

}  // namespace

std::optional<Extent> measured_ink(const PaintRun& paint, const PageFrame& trial, double line_width) {
  Recording recording;
  CairoCanvas cairo(recording.context.get(), trial, line_width);
  EdgeMarks edges(trial, line_width, cairo);
  paint(edges);
  edges.hand_on_edges();
  return recording.ink(trial);
}

std::optional<Extent> measured_ink_of_every_mark(const PaintRun& paint, const PageFrame& trial, double line_width) {
  Recording recording;
  CairoCanvas cairo(recording.context.get(), trial, line_width);
  paint(cairo);
  return recording.ink(trial);
}

}  // namespace plv::publish
