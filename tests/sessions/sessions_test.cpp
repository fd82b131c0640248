// Random editor sessions: every kind of element made, edited, deleted,
// recoloured, cut, copied and pasted, with undo and redo, writes, reopens,
// crashes, kills at any point and second plivets on the same drawing in
// between, each action checked where it ends (session.h).
// PLIVET_SESSION_SEEDS=FIRST:COUNT runs another range of seeds, and
// PLIVET_SESSION_REPLAY=FILE the session of a report instead (or of a part
// of one cut down by hand).

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "sessions/session.h"
#include "support/temp_dir.h"

namespace plv::sessions {
namespace {

struct Seeds {
  std::uint64_t first = 1;
  int count = PLIVET_SANITIZED ? 30 : 200;
};

Seeds seeds() {
  Seeds s;
  const char* text = std::getenv("PLIVET_SESSION_SEEDS");
  if (!text || !*text) return s;
  const std::string range(text);
  const auto colon = range.find(':');
  s.first = std::stoull(range.substr(0, colon));
  if (colon != std::string::npos) s.count = std::stoi(range.substr(colon + 1));
  return s;
}

TEST(Sessions, RandomSessionsKeepTheDrawingTheEditorShows) {
  if (const char* path = std::getenv("PLIVET_SESSION_REPLAY"); path && *path) {
    const SessionOutcome outcome = run_session(0, {.replay = testing::read_file(path)});
    EXPECT_TRUE(outcome.clean) << outcome.report;
    std::cout << "actions checked: " << outcome.actions << "\n";
    return;
  }
  const Seeds range = seeds();
  SessionOutcome all{.actions = 0, .report = {}};
  int clean = 0;
  for (std::uint64_t seed = range.first; seed < range.first + static_cast<std::uint64_t>(range.count); ++seed) {
    const SessionOutcome outcome = run_session(seed, {});
    all.actions += outcome.actions, all.kills += outcome.kills, all.recoveries += outcome.recoveries;
    all.second_plivets += outcome.second_plivets;
    if (outcome.clean) ++clean;
    else ADD_FAILURE() << outcome.report;
  }
  std::cout << "sessions clean: " << clean << " of " << range.count << "; actions checked: " << all.actions
            << "; kills: " << all.kills << " (recoveries: " << all.recoveries
            << "); second plivets: " << all.second_plivets << "\n";
}

// Sessions cut down to the few actions that showed a fault (faults/), each
// file telling the fault; all are mended and replay as regressions.
TEST(Sessions, CutDownSessionsOfFaultsFound) {
  for (const char* file : {"recovery_after_write", "kills_after_write", "second_plivet_removes_copy",
                           "new_element_on_layer_one", "general_paste_under_last_layer", "fractions_kept",
                           "fractions_kept_general_paste", "fractions_kept_pointer_zoomed"}) {
    const std::string path = std::string(PLIVET_SOURCE_DIR) + "/tests/sessions/faults/" + file + ".txt";
    const SessionOutcome outcome = run_session(0, {.replay = testing::read_file(path)});
    EXPECT_TRUE(outcome.clean) << file << ": " << outcome.report;
    EXPECT_GT(outcome.actions, 1) << file << " was not read";
  }
}

}  // namespace
}  // namespace plv::sessions
