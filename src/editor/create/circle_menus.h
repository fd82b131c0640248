#pragma once
// The circle and ellipse menus, which share their three remembered points.

#include "drawing/record.h"
#include "editor/create/create_state.h"
#include "editor/screen.h"
#include "kinds/kind.h"

namespace plv::create {

// What both menus remember: a circle's centre, arc start and arc end; an
// ellipse's centre and the ends of its axes.
struct CirclePoints {
  DrawingPoint a{0, 0}, b{100, 0}, c{0, 100};
};

// The circle or arc made from points A, B and C, or a blank record.
Record circle_menu(Screen& screen, CreateState& state);
// The ellipse made from its centre and the ends of its axes, or a blank record.
Record ellipse_menu(Screen& screen, CreateState& state);

inline constexpr ElementKind kCircleMenuReopens[] = {ElementKind::kCircle};
inline constexpr ElementKind kEllipseMenuReopens[] = {ElementKind::kEllipse};

struct Reopened;
struct Mapping;
struct Desk;
// The element reopened in this menu, on its values.
Reopened reopen_in_circle_menu(const Desk& desk, const Record& element, const Mapping& mapping);

Reopened reopen_in_ellipse_menu(const Desk& desk, const Record& element, const Mapping& mapping);

}  // namespace plv::create
