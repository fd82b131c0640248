#pragma once
// Expected screens kept once, as the headless editor writes its text
// snapshots: tests/golden/NAME.txt. A screen is found in a session by its
// heading, the golden file's first row after the title that is not blank.
// Run with PLIVET_REWRITE_GOLDEN=1 to write the files from the screens
// shown instead of comparing (each file must exist with its heading).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "e2e/session.h"

namespace plv::e2e {

inline std::string golden_path(std::string_view name) {
  return std::string(PLIVET_SOURCE_DIR) + "/tests/golden/" + std::string(name) + ".txt";
}
inline std::string golden(std::string_view name) { return testing::read_file(golden_path(name)); }

// The row of the golden screen's heading (0 if it has none), and its text.
struct Heading {
  int at = 0;
  std::string text;
};
inline Heading heading_of(std::string_view name) {
  const std::string screen = golden(name);
  for (int at = 2; at <= 25; ++at)
    if (!row(screen, at).empty()) return {at, row(screen, at)};
  return {};
}

// The screens of the session headed as the golden screen NAME, in order.
inline std::vector<std::string> screens_of(const Session& s, std::string_view name) {
  const Heading h = heading_of(name);
  return h.at == 0 ? std::vector<std::string>{} : s.screens_with(h.at, h.text);
}

// The screen compared with the golden screen NAME row for row.
inline ::testing::AssertionResult matches_golden(const std::string& screen, std::string_view name) {
  if (std::getenv("PLIVET_REWRITE_GOLDEN")) {
    testing::write_file(golden_path(name), screen);
    return ::testing::AssertionSuccess() << "rewritten";
  }
  const std::string expected = golden(name);
  auto failure = ::testing::AssertionFailure() << name << " differs:";
  bool differs = false;
  for (int r = 1; r <= 25; ++r) {
    if (row(screen, r) == row(expected, r)) continue;
    differs = true;
    failure << "\n  row " << r << " shown    \"" << row(screen, r) << "\"\n  row " << r << " expected \""
            << row(expected, r) << "\"";
  }
  return differs ? failure : ::testing::AssertionSuccess();
}

// The `nth` screen headed as the golden screen NAME (from 0; from the
// last, -1, when negative) compared with it.
inline ::testing::AssertionResult shows_golden(const Session& s, std::string_view name, int nth = 0) {
  const auto shown = screens_of(s, name);
  const long at = nth < 0 ? static_cast<long>(shown.size()) + nth : nth;
  if (at < 0 || at >= static_cast<long>(shown.size()))
    return ::testing::AssertionFailure() << name << ": " << shown.size() << " screens headed \""
                                         << heading_of(name).text << "\"";
  return matches_golden(shown[static_cast<size_t>(at)], name);
}

// The records a row of a table of sessions wrote, as kept under a line
// "== WHAT" in tests/golden/NAME.txt; with PLIVET_REWRITE_GOLDEN=1 the
// row's records are kept there from `written` instead.
inline Lines kept_records(std::string_view name, const std::string& what, const Lines& written) {
  const Lines kept = lines_of(golden(name));
  const std::string head = "== " + what;
  const auto at = std::find(kept.begin(), kept.end(), head);
  const auto end = std::find_if(at == kept.end() ? at : at + 1, kept.end(),
                                [](const std::string& line) { return line.starts_with("== "); });
  if (!std::getenv("PLIVET_REWRITE_GOLDEN")) return at == kept.end() ? Lines{"(none kept)"} : Lines(at + 1, end);
  Lines out(kept.begin(), at);
  out.push_back(head);
  out.insert(out.end(), written.begin(), written.end());
  out.insert(out.end(), end, kept.end());
  std::string text;
  for (const std::string& line : out) text += line + "\n";
  testing::write_file(golden_path(name), text);
  return written;
}

// A golden screen shown in a session: the `nth` headed as it (as in
// shows_golden), and how many are headed so when `of` is not 0.
struct Shown {
  const char* golden;
  int nth = 0;
  size_t of = 0;
};
inline void expect_shown(const Session& s, const std::vector<Shown>& shown) {
  for (const Shown& each : shown) {
    if (each.of != 0) {
      EXPECT_EQ(screens_of(s, each.golden).size(), each.of) << each.golden;
    }
    EXPECT_TRUE(shows_golden(s, each.golden, each.nth));
  }
}

}  // namespace plv::e2e
