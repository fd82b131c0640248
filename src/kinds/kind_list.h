#pragma once
// One instance of each kind, for the registry. Kinds without state are
// shared by every record of their codes.

#include "kinds/kind.h"

namespace plv {

const Kind& line_kind();
const Kind& wide_line_kind();
const Kind& arrow_kind();
const Kind& bracket_kind();
const Kind& box_kind();
const Kind& rectangular_box_kind();
const Kind& filled_rectangle_kind();
const Kind& filled_quadrilateral_kind();
const Kind& circle_kind();
const Kind& ellipse_kind();
const Kind& string_kind();
const Kind& comment_kind();
const Kind& colour_kind();
const Kind& layer_kind();
const Kind& deleted_kind();
const Kind& removed_kind();
const Kind& blank_kind();
const Kind& unknown_kind();

}  // namespace plv
