#pragma once
// What the kinds' tests share: every element kind's record builders and
// readers, and a record's columns as text.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "drawing/record_layout.h"
#include "kinds/arrow.h"
#include "kinds/box_form.h"
#include "kinds/bracket.h"
#include "kinds/circle.h"
#include "kinds/comment.h"
#include "kinds/deleted.h"
#include "kinds/ellipse.h"
#include "kinds/filled_quadrilateral.h"
#include "kinds/layer.h"
#include "kinds/line.h"
#include "kinds/registry.h"
#include "kinds/string.h"
#include "kinds/two_point.h"

namespace plv {

// Columns first to last, counted from 1 as the record layouts count them.
inline std::string columns(const Record& r, int first, int last) {
  return std::string(r.text({first, last - first + 1}));
}

}  // namespace plv
