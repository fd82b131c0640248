#include "import/outline_shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace plv::import {
namespace {

constexpr int kMostSplits = 16;  // 65,536 segments for the worst curve
// Ears are cut in time that grows as the cube of the corners.
constexpr size_t kMostCornersToCut = 300;

PagePoint mid(PagePoint a, PagePoint b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

double distance_to_line(PagePoint p, PagePoint a, PagePoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length = std::hypot(dx, dy);
  if (length == 0) return std::hypot(p.x - a.x, p.y - a.y);
  return std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / length;
}

void split(PagePoint p0, PagePoint p1, PagePoint p2, PagePoint p3, double tolerance, int depth,
           std::vector<PagePoint>& out) {
  // The curve lies in the hull of its control points.
  const bool flat = std::max(distance_to_line(p1, p0, p3), distance_to_line(p2, p0, p3)) <= tolerance;
  if (flat || depth >= kMostSplits) {
    out.push_back(p3);
    return;
  }
  const PagePoint a = mid(p0, p1), b = mid(p1, p2), c = mid(p2, p3);
  const PagePoint d = mid(a, b), e = mid(b, c), m = mid(d, e);
  split(p0, a, d, m, tolerance, depth + 1, out);
  split(m, e, c, p3, tolerance, depth + 1, out);
}

double cross(PagePoint o, PagePoint a, PagePoint b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

double signed_area(const std::vector<PagePoint>& p) {
  double area = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    const PagePoint a = p[i], b = p[(i + 1) % p.size()];
    area += a.x * b.y - b.x * a.y;
  }
  return area / 2;
}

bool inside_triangle(PagePoint p, PagePoint a, PagePoint b, PagePoint c) {
  return cross(a, b, p) >= 0 && cross(b, c, p) >= 0 && cross(c, a, p) >= 0;
}

bool segments_cross(PagePoint a, PagePoint b, PagePoint c, PagePoint d) {
  const double d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
  return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

bool crosses_itself(const std::vector<PagePoint>& p) {
  const size_t n = p.size();
  for (size_t i = 0; i < n; ++i)
    for (size_t j = i + 2; j < n; ++j) {
      if (i == 0 && j == n - 1) continue;
      if (segments_cross(p[i], p[(i + 1) % n], p[j], p[(j + 1) % n])) return true;
    }
  return false;
}

std::vector<std::vector<PagePoint>> fan(const std::vector<PagePoint>& p) {
  std::vector<std::vector<PagePoint>> pieces;
  for (size_t i = 1; i + 1 < p.size(); i += 2) {
    const PagePoint last = i + 2 < p.size() ? p[i + 2] : p[i + 1];
    pieces.push_back({p[0], p[i], p[i + 1], last});
  }
  return pieces;
}

std::vector<std::vector<PagePoint>> ears(std::vector<PagePoint> p) {
  if (signed_area(p) < 0) std::reverse(p.begin(), p.end());
  std::vector<std::vector<PagePoint>> pieces;
  while (p.size() > 3) {
    bool cut = false;
    for (size_t i = 0; i < p.size() && !cut; ++i) {
      const PagePoint a = p[(i + p.size() - 1) % p.size()], b = p[i], c = p[(i + 1) % p.size()];
      if (cross(a, b, c) <= 0) continue;
      const bool empty = std::none_of(p.begin(), p.end(), [&](PagePoint q) {
        return !(q == a) && !(q == b) && !(q == c) && inside_triangle(q, a, b, c);
      });
      if (!empty) continue;
      pieces.push_back({a, b, c, c});
      p.erase(p.begin() + static_cast<long>(i));
      cut = true;
    }
    if (!cut) return {};  // only a polygon that turns on itself has no ear
  }
  pieces.push_back({p[0], p[1], p[2], p[2]});
  return pieces;
}

}  // namespace

void flatten_cubic(PagePoint p0, PagePoint p1, PagePoint p2, PagePoint p3, double tolerance,
                   std::vector<PagePoint>& out) {
  split(p0, p1, p2, p3, std::max(tolerance, 1e-9), 0, out);
}

std::optional<PageEllipse> traced_ellipse(const Outline& outline, double tolerance) {
  const auto& p = outline.points;
  if (!outline.curved || !outline.closed || p.size() < 8) return std::nullopt;
  PageBox box{p[0].x, p[0].y, p[0].x, p[0].y};
  for (const PagePoint& q : p) {
    box.xmin = std::min(box.xmin, q.x), box.xmax = std::max(box.xmax, q.x);
    box.ymin = std::min(box.ymin, q.y), box.ymax = std::max(box.ymax, q.y);
  }
  const PageEllipse e{{(box.xmin + box.xmax) / 2, (box.ymin + box.ymax) / 2},
                      (box.xmax - box.xmin) / 2, (box.ymax - box.ymin) / 2};
  if (e.semi_x <= tolerance || e.semi_y <= tolerance) return std::nullopt;
  for (size_t i = 0; i < p.size(); ++i) {
    // Each point and each segment's middle within the tolerance of the ellipse.
    for (const PagePoint q : {p[i], mid(p[i], p[(i + 1) % p.size()])}) {
      const double u = (q.x - e.centre.x) / e.semi_x, v = (q.y - e.centre.y) / e.semi_y;
      const double r = std::hypot(u, v);
      const double off = std::abs(r - 1) * std::min(e.semi_x, e.semi_y);
      if (off > tolerance) return std::nullopt;
    }
  }
  return e;
}

std::vector<PagePoint> corners_of(const Outline& outline) {
  // b lies on the straight run from a to d, going on the same way.
  const auto on_run = [](PagePoint a, PagePoint b, PagePoint d) {
    const double scale = std::max(std::hypot(d.x - a.x, d.y - a.y), 1e-12);
    return std::abs(cross(a, b, d)) / scale < 1e-9 * std::max(1.0, scale) &&
           (b.x - a.x) * (d.x - b.x) + (b.y - a.y) * (d.y - b.y) >= 0;
  };
  std::vector<PagePoint> c;
  for (const PagePoint& q : outline.points) {
    if (!c.empty() && c.back() == q) continue;
    while (c.size() >= 2 && on_run(c[c.size() - 2], c.back(), q)) c.pop_back();
    c.push_back(q);
  }
  if (c.size() > 1 && c.front() == c.back()) c.pop_back();
  while (c.size() > 2 && on_run(c[c.size() - 2], c.back(), c.front())) c.pop_back();
  size_t first = 0;
  while (c.size() - first > 2 && on_run(c.back(), c[first], c[first + 1])) ++first;
  return {c.begin() + static_cast<long>(first), c.end()};
}

std::optional<PageBox> traced_rectangle(const Outline& outline) {
  if (outline.curved) return std::nullopt;
  const auto c = corners_of(outline);
  if (c.size() != 4) return std::nullopt;
  for (size_t i = 0; i < 4; ++i) {
    const PagePoint a = c[i], b = c[(i + 1) % 4];
    if (a.x != b.x && a.y != b.y) return std::nullopt;
  }
  return PageBox{std::min(c[0].x, c[2].x), std::min(c[0].y, c[2].y), std::max(c[0].x, c[2].x),
                 std::max(c[0].y, c[2].y)};
}

bool is_convex(const std::vector<PagePoint>& p) {
  if (p.size() < 3) return false;
  int sign = 0;
  double turned = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    const PagePoint a = p[i], b = p[(i + 1) % p.size()], c = p[(i + 2) % p.size()];
    const double turn = cross(a, b, c);
    turned += std::atan2(turn, (b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y));
    if (turn == 0) continue;
    const int s = turn > 0 ? 1 : -1;
    if (sign != 0 && s != sign) return false;
    sign = s;
  }
  // Turning one way all round, once: a star turns twice.
  return sign != 0 && std::abs(std::abs(turned) - 2 * std::numbers::pi) < 1e-6;
}

std::vector<std::vector<PagePoint>> filling_pieces(const std::vector<PagePoint>& polygon) {
  if (polygon.size() < 3) return {};
  if (is_convex(polygon)) return fan(polygon);
  if (polygon.size() > kMostCornersToCut || crosses_itself(polygon)) return {};
  return ears(polygon);
}

}  // namespace plv::import
