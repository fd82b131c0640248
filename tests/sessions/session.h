#pragma once
// One random session: the editor run in this process on a scripted window
// system, fed one event at each wait, with every action checked at the
// main menu wait that ends it; ended at any wait as a kill would end it,
// the drawing is reopened and what was recovered checked.

#include <cstdint>
#include <string>

namespace plv::sessions {

struct SessionPlan {
  int actions = 20;  // chosen at random; then everything undone and redone, and the drawing written
  int kill_percent = 50;  // of sessions that have one action killed, to recover from
  // A session report (as SessionOutcome::report gives, or a part of it) to
  // replay and check instead of random actions.
  std::string replay;
};

struct SessionOutcome {
  bool clean = true;
  int actions = 0;     // actions run and checked
  int kills = 0, recoveries = 0, second_plivets = 0;  // recoveries: the changes offered back, and taken
  std::string report;  // what failed, where, and the scripts that replay it
};

// Runs in a fresh temporary folder, which is the current directory (and
// holds the recovery copies) while it runs.
SessionOutcome run_session(std::uint64_t seed, const SessionPlan& plan);

}  // namespace plv::sessions
