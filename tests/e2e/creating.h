#pragma once
// Sessions that make elements through the create menus, kept as rows: the
// keys, the records written and the menus' screens on the way.

#include <string>
#include <vector>

#include "e2e/golden.h"
#include "e2e/session.h"
#include "e2e/walks.h"

namespace plv::e2e {

// A new drawing is in colour 7 and the create menu starts with colour 6,
// so the first element comes after the colour it was shown in.
inline const std::string kShownColour = "SC BAR   6";
inline const std::string kIdentityLayer = "LA  0  0.1000000E+01  0.0000000E+00  0.0000000E+00";
struct Made {
  const char* what;
  Script steps;  // in the create menu
  std::vector<Shown> shown = {};
  std::string body = "";          // of the drawing d.plv made in; a new drawing a.plv when empty
  std::string view_scale = "";      // of the settings, when the view is magnified
  Script to_menu = walk::create();  // from the main menu into the create menu
};

// The session of `made` run and checked in `s`.
inline void expect_made(Session& s, const Made& made) {
  SCOPED_TRACE(made.what);
  if (!made.view_scale.empty()) s.put("plivet.set", settings_with_view_scale(made.view_scale));
  const Script steps = Script(made.to_menu).then(made.steps).then(walk::leave_and_write());
  if (made.body.empty()) {
    EXPECT_TRUE(s.ends(walk::new_drawing("a").then(steps)));
    const Lines written = s.records("a.plv");
    EXPECT_TRUE(written.front().starts_with("CM a.plv "));
    const Lines made_records = after(Lines(written.begin() + 1, written.end()), {"CM", "SC MODE BAR"});
    EXPECT_EQ(made_records, kept_records("e2e_made_records", made.what, made_records));
  } else {
    s.put("d.plv", drawing(made.body));
    EXPECT_TRUE(s.ends(Script().f(10).then(steps), "d.plv"));
    const Lines made_records = after(s.records(), lines_of(made.body));
    EXPECT_EQ(made_records, kept_records("e2e_made_records", made.what, made_records));
  }
  expect_shown(s, made.shown);
}
inline void expect_made(const Made& made) {
  Session s;
  expect_made(s, made);
}

}  // namespace plv::e2e
