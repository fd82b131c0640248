// The geometry that turns a figure's outlines into shapes a drawing holds.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "import/outline_shapes.h"

namespace plv::import {
namespace {

constexpr double kKappa = 0.5522847498;  // control points of a quarter circle

// A closed outline of four cubic quarters around (cx, cy), flattened.
Outline ellipse_outline(double cx, double cy, double rx, double ry, double tolerance) {
  Outline o{{{cx + rx, cy}}, true, true};
  const double k[4][2] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
  PagePoint from{cx + rx, cy};
  for (int q = 0; q < 4; ++q) {
    const PagePoint to{cx + k[q][0] * rx, cy + k[q][1] * ry};
    const PagePoint from_tangent{from.x - (from.y - cy) / ry * rx * kKappa, from.y + (from.x - cx) / rx * ry * kKappa};
    const PagePoint to_tangent{to.x + (to.y - cy) / ry * rx * kKappa, to.y - (to.x - cx) / rx * ry * kKappa};
    flatten_cubic(from, from_tangent, to_tangent, to, tolerance, o.points);
    from = to;
  }
  return o;
}

double area(const std::vector<PagePoint>& p) {
  double a = 0;
  for (size_t i = 0; i < p.size(); ++i) a += p[i].x * p[(i + 1) % p.size()].y - p[(i + 1) % p.size()].x * p[i].y;
  return std::abs(a) / 2;
}

TEST(OutlineShapes, CurvesAreFlattenedWithinTheToleranceAndCirclesAreKnown) {
  for (const double tolerance : {0.001, 0.05, 1.0}) {
    const Outline circle = ellipse_outline(10, 20, 30, 30, tolerance);
    // Every segment's middle lies within the tolerance (and the quarter
    // circle's own error, 0.03 % of the radius) of the circle.
    for (size_t i = 1; i < circle.points.size(); ++i) {
      const PagePoint m{(circle.points[i - 1].x + circle.points[i].x) / 2, (circle.points[i - 1].y + circle.points[i].y) / 2};
      EXPECT_LE(30 - std::hypot(m.x - 10, m.y - 20), tolerance + 0.01) << tolerance;
    }
    const auto e = traced_ellipse(circle, std::max(tolerance, 0.02));
    ASSERT_TRUE(e) << tolerance;
    EXPECT_NEAR(e->centre.x, 10, 1e-6);
    EXPECT_NEAR(e->semi_x, 30, 1e-6);
  }
  EXPECT_LT(ellipse_outline(0, 0, 30, 30, 1.0).points.size(), ellipse_outline(0, 0, 30, 30, 0.001).points.size());
  const auto wide = traced_ellipse(ellipse_outline(0, 0, 40, 10, 0.01), 0.05);
  ASSERT_TRUE(wide);
  EXPECT_NEAR(wide->semi_y, 10, 1e-6);

  // A rounded rectangle and an open arc are not ellipses.
  Outline rounded = ellipse_outline(0, 0, 10, 10, 0.01);
  for (auto& p : rounded.points) p.x += p.x > 0 ? 20 : -20;
  EXPECT_FALSE(traced_ellipse(rounded, 0.05));
  Outline open = ellipse_outline(0, 0, 10, 10, 0.01);
  open.closed = false;
  EXPECT_FALSE(traced_ellipse(open, 0.05));
}

TEST(OutlineShapes, RectanglesAndCornersAreFoundWhateverTheRepeats) {
  const Outline box{{{0, 0}, {5, 0}, {10, 0}, {10, 4}, {0, 4}, {0, 0}}, true, false};
  const auto b = traced_rectangle(box);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->xmax, 10);
  EXPECT_EQ(b->ymax, 4);
  EXPECT_EQ(corners_of(box).size(), 4u);
  EXPECT_FALSE(traced_rectangle({{{0, 0}, {10, 1}, {10, 4}, {0, 4}}, true, false}));
  EXPECT_FALSE(traced_rectangle({{{0, 0}, {10, 0}, {10, 4}, {5, 6}, {0, 4}}, true, false}));
}

TEST(OutlineShapes, FillingPiecesCoverThePolygonAndNoMore) {
  const std::vector<std::vector<PagePoint>> polygons{
      {{0, 0}, {4, 0}, {4, 4}, {0, 4}},                                   // square: one piece
      {{0, 0}, {4, 0}, {5, 2}, {4, 4}, {0, 4}, {-1, 2}, {-2, 1}},          // convex, seven corners
      {{0, 0}, {10, 0}, {10, 10}, {5, 3}, {0, 10}},                        // concave
      {{0, 0}, {6, 0}, {6, 6}, {4, 6}, {4, 2}, {2, 2}, {2, 6}, {0, 6}},    // a U
  };
  for (const auto& polygon : polygons) {
    const auto pieces = filling_pieces(polygon);
    ASSERT_FALSE(pieces.empty());
    double sum = 0;
    for (const auto& piece : pieces) {
      ASSERT_EQ(piece.size(), 4u);
      std::vector<PagePoint> distinct;
      for (const PagePoint& p : piece)
        if (distinct.empty() || !(distinct.back() == p)) distinct.push_back(p);
      EXPECT_TRUE(is_convex(distinct));
      sum += area(distinct);
    }
    EXPECT_NEAR(sum, area(polygon), 1e-9);
  }
  EXPECT_EQ(filling_pieces({{0, 0}, {4, 0}, {4, 4}, {0, 4}}).size(), 1u);
  EXPECT_TRUE(filling_pieces({{0, 0}, {4, 4}, {4, 0}, {0, 4}}).empty()) << "a bow tie crosses itself";
}

}  // namespace
}  // namespace plv::import
