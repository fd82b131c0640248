#pragma once
// Sessions that make elements through the create menus, and the records
// that come with the first element of a new drawing.

#include <string>

#include "e2e/golden.h"
#include "e2e/session.h"
#include "e2e/walks.h"

namespace plv::e2e {

// `steps` from the create menu of a new drawing a.plv, which is then
// written: the records it holds.
inline Lines made(Session& s, const Script& steps) {
  EXPECT_TRUE(s.ends(walk::new_drawing("a").then(walk::create()).then(steps).then(walk::leave_and_write())));
  return s.records("a.plv");
}
// The same from the create menu of the drawing d.plv of `body`.
inline Lines made_in(Session& s, const std::string& body, const Script& steps) {
  s.put("d.plv", drawing(body));
  EXPECT_TRUE(s.ends(Script().f(10).then(walk::create()).then(steps).then(walk::leave_and_write()), "d.plv"));
  return s.records();
}

// A new drawing is in colour 7 and the create menu starts with colour 6,
// so the first element comes after the colour it was shown in.
inline const std::string kShownColour = "SC BAR   6";
inline const std::string kIdentityLayer = "LA  0  0.1000000E+01  0.0000000E+00  0.0000000E+00";

}  // namespace plv::e2e
