#include <array>
#include <cstdio>
#include <stdexcept>

#include "drawing/command_file.h"
#include "drawing/translation_setup.h"
#include "kinds/arrow.h"
#include "kinds/box_form.h"
#include "kinds/bracket.h"
#include "kinds/circle.h"
#include "kinds/colour.h"
#include "kinds/comment.h"
#include "kinds/ellipse.h"
#include "kinds/filled_quadrilateral.h"
#include "kinds/layer.h"
#include "kinds/line.h"
#include "kinds/registry.h"
#include "kinds/string.h"
#include "sessions/generator.h"
#include "support/temp_dir.h"

namespace plv::sessions {
namespace {

enum class Mode { kBar, kGrey, kRgb };

Record from_file_line(const char* line) {
  const StoredConversion c = to_stored_form(line);
  if (!c.ok()) throw std::logic_error(std::string("start drawing line not read: ") + line);
  return c.record;
}

Record colour(Rng& rng, Mode mode) {
  char line[40];
  if (mode == Mode::kBar) return palette_colour_record(rng.between(1, 15));
  if (mode == Mode::kGrey) std::snprintf(line, sizeof line, "SC GREY%3d", rng.between(0, 15));
  else std::snprintf(line, sizeof line, "SC RGB%4d%3d%3d", rng.between(0, 63), rng.between(0, 63), rng.between(0, 63));
  return from_file_line(line);
}

Record element(Rng& rng) {
  const Point c = rng.point();
  auto at = [](Point p) { return DrawingPoint{1.0 * p.x, 1.0 * p.y}; };
  auto near = [&] { return at(rng.near(c, 300)); };
  switch (rng.between(0, 10)) {
    case 0: return line_record(near(), near(), rng.chance(50) ? 'S' : 'D');
    case 1: return wide_line_record(near(), near(), rng.between(2, 6));
    case 2: return arrow_record(near(), near(), ArrowFlags{'N', 'Y', 'Y', 'N', rng.chance(50) ? 'Y' : 'N'});
    case 3: return string_record({at(c), rng.between(4, 16), "SME"[rng.between(0, 2)], rng.between(0, 3), "LABEL"});
    case 4: return box_record(ElementKind::kBox, near(), near());
    case 5: return circle_record(at(c), at({rng.away(c.x), c.y}), near());
    case 6: return ellipse_record(at(c), rng.step5(20, 300), rng.step5(20, 300));
    case 7: return bracket_record(near(), near());
    case 8: return box_record(ElementKind::kFilledRectangle, near(), near());
    case 9: return quad_record({near(), near(), near(), near()});
    default: return comment_record("A COMMENT");
  }
}

}  // namespace

std::string write_start_drawing(Rng& rng, const std::string& path) {
  const int roll = rng.between(1, 100);
  const Mode mode = roll <= 60 ? Mode::kBar : roll <= 80 ? Mode::kGrey : Mode::kRgb;
  constexpr std::array<const char*, 3> kModes = {"SC MODE BAR", "SC MODE GREY", "SC MODE RGB"};
  RecordStore drawing;
  drawing.append(from_file_line(kModes[static_cast<size_t>(mode)]));
  for (int i = rng.between(2, 8); i > 0; --i) {
    if (rng.chance(30)) drawing.append(colour(rng, mode));
    if (rng.chance(15)) drawing.append(layer_record({rng.between(1, 3), 1.0, 1.0 * rng.step5(-300, 300), 0.0}));
    drawing.append(element(rng));
  }
  if (rng.chance(30)) drawing.append(layer_record({1, 2.0, 500.0, 0.0}));
  const CommandFileHeader header{"d.plv", std::string(kDefaultSetupLine), " 1-JAN-26"};
  if (!write_command_file(path, header, drawing, kinds()).ok()) throw std::runtime_error("cannot write " + path);
  return testing::read_file(path);
}

}  // namespace plv::sessions
