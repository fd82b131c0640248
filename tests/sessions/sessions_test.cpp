// Random editor sessions: every kind of element made, edited, deleted,
// recoloured, cut, copied and pasted, with undo and redo, writes, reopens,
// crashes, kills at any point and second plivets on the same drawing in
// between, each action checked at the main menu wait that ends it; ended at any
// wait as a kill would end it, the drawing is reopened and what was recovered
// checked. The editor runs in this process on a scripted window system, fed
// one event at each wait.
// PLIVET_SESSION_SEEDS=FIRST:COUNT runs another range of seeds, and
// PLIVET_SESSION_REPLAY=FILE the session of a report instead (or of a part
// of one cut down by hand).

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "drawing/command_file.h"
#include "editor/main_program.h"
#include "host/host.h"
#include "host/plot_listing.h"
#include "host/program_exit.h"
#include "host/scripted/scripted_window_system.h"
#include "kernel/kernel.h"
#include "kinds/colour_in_force.h"
#include "kinds/registry.h"
#include "render/render_fixture.h"
#include "sessions/generator.h"
#include "support/temp_dir.h"
#include "text/fixed_text.h"
#include "ui/toolkit.h"

namespace plv::sessions {
namespace {

namespace fs = std::filesystem;

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

// A drawing's records as text.
std::vector<std::string> records_of(const RecordStore& store) {
  std::vector<std::string> out;
  for (long n = 1; n <= store.count(); ++n) out.emplace_back(text::trimmed_right(store.read(n).text()));
  return out;
}

// The lines the drawing's file would hold after its header.
std::vector<std::string> file_lines_of(const RecordStore& store) {
  std::vector<std::string> out;
  WriteProblems problems;
  command_file_lines({}, store, kinds(), [&out](std::string_view line) { out.emplace_back(line); }, problems);
  return {out.begin() + std::min<std::ptrdiff_t>(3, std::ssize(out)), out.end()};
}

// Reads the file into `store`; what was wrong with reading it, or nothing.
std::string read_back(const std::string& path, RecordStore& store) {
  const CommandFileRead read = read_command_file(path, store, kinds());
  if (!read.ok()) return "not read: " + read.error;
  if (!read.unread.empty()) return "line " + std::to_string(read.unread[0].number) + " unread: " + read.unread[0].text;
  if (read.unknown.count > 0) return "line " + std::to_string(read.unknown.first) + " has an unknown code";
  if (read.cut.count > 0) return "line " + std::to_string(read.cut.first) + " runs past column 122";
  return {};
}

// The lines a file of `lines` gives when read and written again (written
// to `scratch` on the way): a colour or layer record that ended the drawing
// as written is not written again.
std::vector<std::string> rewritten(const std::vector<std::string>& lines, const std::string& scratch) {
  std::string text = "scratch\nGLIMPT\nDATE\n";
  for (const std::string& line : lines) text += line + '\n';
  testing::write_file(scratch, text);
  RecordStore store;
  read_back(scratch, store);
  return file_lines_of(store);
}

// Each line, rectangle and polygon of a listing after the colour it is
// drawn in: colours set and set again before anything is drawn make no
// difference to the picture.
std::vector<std::string> in_colour(const std::vector<std::string>& listing) {
  std::vector<std::string> out;
  std::string colour = "(no colour)";
  for (const std::string& r : listing) {
    if (r.starts_with("colour")) colour = r;
    else out.push_back(colour + ": " + r);
  }
  return out;
}

// The lines, rectangles and polygons of a listing from record `first` on.
std::vector<std::string> geometry(const std::vector<std::string>& listing, size_t first = 0) {
  std::vector<std::string> out;
  for (size_t i = first; i < listing.size(); ++i)
    if (!listing[i].starts_with("colour")) out.push_back(listing[i]);
  return out;
}

// What of `part` is not in `whole`, counting repeats.
std::vector<std::string> missing(std::vector<std::string> part, std::vector<std::string> whole) {
  std::sort(part.begin(), part.end());
  std::sort(whole.begin(), whole.end());
  std::vector<std::string> out;
  std::set_difference(part.begin(), part.end(), whole.begin(), whole.end(), std::back_inserter(out));
  return out;
}

constexpr std::string_view kMainMenu =
    "   *** MAIN MENU ***  *** MAIN MENU ***  *** MAIN MENU  ***   *** MAIN MENU ***";
constexpr std::string_view kRecoveryOffer = "CHANGES TO THIS DRAWING WERE NOT WRITTEN WHEN IT WAS LAST OPEN.";
// Told when the file was written again, records changed, after the copy began.
constexpr std::string_view kFileChanged = "THE FILE CHANGED AFTER ITS RECOVERY COPY WAS MADE";
constexpr std::string_view kForbidden[] = {"ILLEGAL", "ATTEMPT TO SET A COLOR", "FATAL"};
constexpr std::string_view kStartHeading = "--- d.plv at the start:", kScriptHeading = "--- script ";
constexpr Act kClosing[] = {Act::kUndoAll, Act::kRedoAll, Act::kExit};

struct Failure {
  std::string what;
};
struct Crash {};  // thrown at a wait to end the editor as a kill would: nothing written, nothing cleaned up

// An action with its script, as generated or as read back from a report.
struct Planned {
  Action action;
  Items items;
  std::string text;
};
using Run = std::vector<Planned>;  // what one run of the editor does

// A report's start drawing and scripts: the actions each run took, as the
// "# N: ..." comments mark them, with the lines and looks of each.
std::vector<Run> runs_of(const std::string& report, std::string& start) {
  std::vector<Run> runs;
  std::istringstream in(report);
  enum { kElsewhere, kStart, kScript } part = kElsewhere;
  for (std::string text; std::getline(in, text);) {
    if (text.starts_with("--- ")) {
      part = text == kStartHeading ? kStart : text.starts_with(kScriptHeading) ? kScript : kElsewhere;
      if (part == kScript) runs.emplace_back();
    } else if (part == kStart) {
      start += text + "\n";
    } else if (part == kScript && text.starts_with("# ") && text.find(": ") != std::string::npos) {
      const std::string what = text.substr(text.find(": ") + 2);
      runs.back().push_back({{.act = act_described(what)}, {}, what});
    } else if (part == kScript && !runs.back().empty()) {
      const auto probe = noted_probe(text);
      runs.back().back().items.push_back(probe ? Item(*probe) : Item(Step{text}));
    }
  }
  return runs;
}

std::string row(const host::Frame& f, int r) { return f.graphics || !f.text ? std::string() : f.text->line(r - 1); }
// The rows that hold anything, one after another.
std::string screen(const host::Frame& f) {
  std::string text;
  for (int r = 1; r <= 25; ++r)
    if (const std::string line(text::trimmed(row(f, r))); !line.empty()) text += (text.empty() ? "" : " / ") + line;
  return text;
}

// An editor of its own on a scripted window, its files in `dir`.
struct EditorStack {
  explicit EditorStack(const fs::path& dir)
      : window({}), host(window, dir / "orvlab.ini"), kernel(host, dir), toolkit(kernel), editor(kernel, toolkit, dir) {}
  host::ScriptedWindowSystem window;
  host::Host host;
  kernel::Kernel kernel;
  ui::Toolkit toolkit;
  Editor editor;
  MenuStates states;
};

class Driver {
 public:
  Driver(std::uint64_t seed, const SessionPlan& plan, fs::path dir)
      : seed_(seed), plan_(plan), dir_(std::move(dir)), rng_(seed), generator_(rng_) {}

  SessionOutcome run() {
    const std::string drawing = (dir_ / "d.plv").string();
    if (plan_.replay.empty()) start_text_ = write_start_drawing(rng_, drawing);
    else replay_ = runs_of(plan_.replay, start_text_), testing::write_file(drawing, start_text_);
    if (plan_.replay.empty() && rng_.chance(plan_.kill_percent)) generator_.plan_kill(plan_.actions);
    for (;;) {
      runs_.emplace_back();
      editor_ = nullptr;
      const auto first = next_action();
      if (!first) return outcome({});
      begin(*first);
      try {
        one_run();
        return outcome({});
      } catch (const Crash&) {
        restarted_ = true;
        if (!replay_.empty()) replay_.erase(replay_.begin()), replay_next_ = 0;
      } catch (const Failure& f) {
        return outcome(f.what);
      }
    }
  }

 private:
  void one_run() {
    EditorStack stack(dir_);
    auto& [window, host, kernel, toolkit, editor, states] = stack;
    editor_ = &editor, states_ = &states, host_ = &host, window_ = &window;
    window.set_wait_observer([this](const host::Frame& frame) { at_wait(frame); });
    window.set_message_observer(
        [this](const std::string& text, const std::string&) { fail("a message box: " + text); });
    try {
      run_editor(editor, states, std::string("d.plv"));
    } catch (const ProgramExit& end) {
      if (out_of_actions_ && end.code == 0) return;
      if (now_.action.act != Act::kExit || !items_.empty() || end.code != 0)
        fail("the editor ended with status " + std::to_string(end.code));
      check_picture((dir_ / "d.plv").string(), "the last redraw against what the drawing written at the end draws");
      ++checked_;
    } catch (const std::exception& e) {
      fail(std::string("internal error: ") + e.what());
    }
  }

  // The opening of each run, the random actions, then everything undone and
  // redone and the drawing written; or the actions of a report replayed.
  std::optional<Planned> next_action() {
    auto planned = [](const Action& a) { return Planned{a, steps_of(a), describe(a)}; };
    if (!plan_.replay.empty()) {
      if (replay_.empty() || replay_next_ >= replay_.front().size()) return std::nullopt;
      return replay_.front()[replay_next_++];
    }
    if (runs_.back().empty()) return planned({.act = Act::kOpen});
    if (generated_ < plan_.actions || (generator_.planned() && generated_ < 3 * plan_.actions))
      return ++generated_, planned(generator_.next(*editor_, *states_));
    if (closing_ < 3) return planned({.act = kClosing[closing_++]});
    return std::nullopt;
  }

  // Each wait gets the next event of the action under way; when there is
  // none, the action has ended.
  void at_wait(const host::Frame& frame) {
    // With nothing left to redo, this is what redoing everything comes back to.
    if (!editor_->journal.can_redo()) tip_ = records_of(editor_->drawing);
    if (killing_) {
      auto now = file_lines_of(editor_->drawing);
      if (row(frame, 3) == kMainMenu) kept_ = {std::move(now)};
      else if (now != kept_.back()) kept_.push_back(std::move(now));
    }
    for (int r = 1; r <= 25 && !frame.graphics; ++r)
      for (const std::string_view word : kForbidden)
        if (row(frame, r).find(word) != std::string::npos) fail("the screen says: " + row(frame, r));
    while (events_.empty()) {
      if (items_.empty() && out_of_actions_) return;  // the window closes
      if (items_.empty()) {
        action_ended(frame);
        continue;
      }
      const Item item = items_.front();
      items_.pop_front();
      if (const Step* step = std::get_if<Step>(&item)) {
        runs_.back() += step->line + "\n";
        if (step->line == "kill") ++kills_, throw Crash{};
        if (step->line == "key CTRL-Z") preview_.clear();  // what was shown may be taken back
        for (const host::Event& e : events_of(*step)) events_.push_back(e);
      } else {
        if (const auto note = probe_note(std::get<Probe>(item))) runs_.back() += *note + "\n";
        probe(std::get<Probe>(item), frame);
      }
    }
    window_->push_event(events_.front());
    events_.pop_front();
  }

  void begin(const Planned& p) {
    now_ = p;
    items_.assign(p.items.begin(), p.items.end());
    runs_.back() += "# " + std::to_string(++number_) + ": " + p.text + "\n";
    preview_.clear();
    repeats_ = 0;
    const auto kill = [](const Item& i) { return std::holds_alternative<Step>(i) && std::get<Step>(i).line == "kill"; };
    killing_ = std::ranges::any_of(items_, kill);
    if (killing_ && editor_) kept_ = {file_lines_of(editor_->drawing)};  // begun at a main menu wait
    if (p.action.act >= Act::kSecondCloses && p.action.act <= Act::kSecondWrites) second_plivet(p.action.act);
    second_wrote_ = second_wrote_ || p.action.act == Act::kSecondWrites;
  }

  void action_ended(const host::Frame& frame) {
    if (now_.action.act == Act::kExit) fail("the editor did not end");
    if (row(frame, 3) != kMainMenu) fail("not back at the main menu; the screen's third row: " + row(frame, 3));
    end_checks();
    ++checked_;
    const auto next = next_action();
    if (!next) return void(out_of_actions_ = true);
    begin(*next);
  }

  // Where the two lists part, with a few entries around.
  void expect(const std::vector<std::string>& a, const std::vector<std::string>& b, const std::string& what) {
    const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (ia == a.end() && ib == b.end()) return;
    const size_t at = static_cast<size_t>(ia - a.begin());
    std::string text = what + "; as it is (left) and should be (right): they part at record " + std::to_string(at + 1) +
                       " of " + std::to_string(a.size()) + " and " + std::to_string(b.size()) + ":\n";
    for (size_t i = at >= 2 ? at - 2 : 0; i < at + 4; ++i)
      text += "  " + (i < a.size() ? a[i] : "-") + "  |  " + (i < b.size() ? b[i] : "-") + "\n";
    fail(text);
  }

  void end_checks() {
    if (const auto lost = missing(preview_, geometry(shown_)); !lost.empty())
      fail("what was shown before it was made is not in the redraw, such as: " + lost.front());
    const std::vector<std::string> records = records_of(editor_->drawing);
    RecordStore on_disc;
    switch (now_.action.act) {
      case Act::kOpen:
        // Recovered, the drawing is the file the session would have written at one of those waits.
        // Nothing offered, the drawing is its file as last written, read
        // back: the writer leaves out a colour or layer record that its
        // write left at the end.
        if (restarted_ && !recovered_)
          for (auto& kept : kept_) kept = rewritten(kept, (dir_ / "scratch.plv").string());
        if (restarted_ && !set_aside_ && std::ranges::find(kept_, file_lines_of(editor_->drawing)) == kept_.end())
          expect(file_lines_of(editor_->drawing), kept_.front(),
                 kept_.size() == 1 ? "recovered after a kill" : "recovered after a kill, as at none of the waits since "
                                                                  "the drawing was last kept (against the first)");
        restarted_ = set_aside_ = second_wrote_ = false;
        [[fallthrough]];
      case Act::kReopen:
        if (const std::string problem = read_back((dir_ / "d.plv").string(), on_disc); !problem.empty())
          fail("the drawing file does not read back whole: " + problem);
        // Recovered, the history is back too: everything undone is the drawing first opened.
        if (!std::exchange(recovered_, false)) baseline_ = records_of(on_disc);
        break;
      case Act::kUndoAll: expect(records, baseline_, "everything undone, against the drawing as opened"); break;
      case Act::kRedoAll: expect(records, tip_, "everything redone, against the drawing as last changed"); break;
      default: break;
    }
  }

  void probe(Probe p, const host::Frame& frame) {
    auto again = [&](Script key) {
      if (++repeats_ > 1000) fail("undo or redo never runs out");
      items_.push_front(p);
      first(key.enter());
    };
    switch (p) {
      case Probe::kBeforePreview: before_preview_ = listing().size(); break;
      case Probe::kAtPreview: {
        const auto shown = listing();
        preview_ = geometry(shown, before_preview_ <= shown.size() ? before_preview_ : 0);
        break;
      }
      case Probe::kRedrawShown: {
        if (!frame.graphics) fail("the main menu's redraw did not show the picture");
        shown_ = listing();
        std::string path = (dir_ / "d.plv").string();  // after a write, the file written
        if (now_.action.act != Act::kWrite) {
          path = (dir_ / "fresh.out").string();
          const CommandFileWrite written = write_command_file(
              path, {editor_->drawing_path, editor_->setup_line, editor_->date}, editor_->drawing, kinds());
          if (!written.ok()) fail("the drawing cannot be written: " + written.error);
        }
        check_picture(path, "the editor's redraw against what the written drawing draws");
        break;
      }
      case Probe::kEnterIfPicture:
        if (frame.graphics) first(Script().enter());
        break;
      case Probe::kUndoWhileCan:
        if (editor_->journal.can_undo()) again(Script().undo());
        break;
      case Probe::kRedoWhileCan:
        if (editor_->journal.can_redo()) again(Script().redo());
        break;
      case Probe::kRecoverIfOffered:
        if (row(frame, 3) == kRecoveryOffer) {
          first(Script().f(1));
          recovered_ = true;
          ++recoveries_;
        } else if (second_wrote_ && screen(frame).find(kFileChanged) != std::string::npos) {
          first(Script().enter());
          set_aside_ = true;
        } else if (row(frame, 3) != kMainMenu) {
          fail("opened, neither the recovery offer nor the main menu: " + screen(frame));
        }
        break;
    }
  }

  // Another editor on the same drawing, in the same folders, while this one
  // waits at its main menu keeping a recovery copy of its changes: told so,
  // it quits the drawing or writes it as it read it, or neither, and its
  // window is closed. The copy must stay this one's.
  void second_plivet(Act act) {
    EditorStack stack(dir_);
    auto& [window, host, kernel, toolkit, editor, states] = stack;
    Script script = Script().f(10).enter();  // opened, told
    if (act != Act::kSecondCloses) script.f(1).f(act == Act::kSecondQuits ? 6 : 3);
    const Items steps = steps_in(script.close());
    size_t next = 0;
    std::string told;
    window.set_wait_observer([&](const host::Frame& frame) {
      told += screen(frame);
      if (next == steps.size()) fail("a second plivet did not end");
      for (const host::Event& e : events_of(std::get<Step>(steps[next++]))) window.push_event(e);
    });
    window.set_message_observer([this](const std::string& text, const std::string&) {
      fail("a second plivet's message box: " + text);
    });
    try {
      run_editor(editor, states, std::string("d.plv"));
    } catch (const ProgramExit&) {
    }
    ++seconds_;
    if (told.find("OPEN IN ANOTHER PLIVET") == std::string::npos)
      fail("a second plivet on the drawing was not told that another keeps its recovery copy");
    if (!fs::exists(editor_->recovery.file())) fail("a second plivet took away the recovery copy this one keeps");
  }

  // The editor's last redraw against what a fresh editor draws of the file,
  // with the view and display settings the editor has.
  void check_picture(const std::string& path, const std::string& what) {
    RecordStore fresh;
    if (const std::string problem = read_back(path, fresh); !problem.empty())
      fail("the written drawing does not read back whole: " + problem);
    host::ScriptedWindowSystem window({});
    host::Host host(window, dir_ / "fresh.ini");
    kernel::Kernel kernel(host, dir_);
    // As the editor starts, and as it takes a drawing's colour mode on opening it.
    const RenderState& shown = editor_->render;
    kernel.gkopen("plivet");
    kernel.set_aspect(shown.aspect);
    kernel.gkclipon(kernel::Clipping::kOn);
    kernel.gkclip(-1750, 1750, -1250, 1250);
    RenderState state;
    state.view = shown.view, state.aspect = shown.aspect, state.work_layer = shown.work_layer;
    state.also_draw_layer = shown.also_draw_layer, state.show_deleted = shown.show_deleted;
    state.colour_mode = colour_mode_of(fresh);
    state.mode_seen = state.colour_mode != ColourMode::kNone;
    kernel.gkpage(kernel::PageStart::kErased);
    CollectedMessages messages;
    try {
      redraw_all(fresh, state, kernel, messages);
    } catch (const ProgramExit&) {
      messages.shown.push_back("the program would end");
    }
    if (!messages.shown.empty()) fail("a fresh editor drawing the written drawing is told: " + messages.shown.front());
    expect(in_colour(shown_), in_colour(host::list_plot_records(host.picture().buffer().bytes())), what);
  }

  std::string report(const std::string& what) const {
    std::string text = (plan_.replay.empty() ? "seed " + std::to_string(seed_) : std::string("replay")) + ", action " +
                       std::to_string(number_) + " (" + now_.text + "): " + what + "\n" + std::string(kStartHeading) +
                       "\n" + start_text_;
    for (size_t i = 0; i < runs_.size(); ++i)
      text += std::string(kScriptHeading) + std::to_string(i + 1) + " of " + std::to_string(runs_.size()) + ":\n" +
              runs_[i];
    return text + "--- to replay: in an empty folder holding d.plv, run each script in turn with\n"
                  "    PLIVET_STATE_DIR=state PLIVET_HOST_SETTINGS=orvlab.ini plivet --headless --play SCRIPT d.plv\n";
  }

  // The script's steps to come before the rest of the action's items.
  void first(const Script& script) {
    const Items steps = steps_in(script);
    items_.insert(items_.begin(), steps.begin(), steps.end());
  }
  std::vector<std::string> listing() const { return host::list_plot_records(host_->picture().buffer().bytes()); }
  [[noreturn]] void fail(const std::string& what) { throw Failure{what}; }
  SessionOutcome outcome(std::string failed) const {
    return {failed.empty(), checked_, kills_, recoveries_, seconds_, failed.empty() ? "" : report(failed)};
  }

  std::uint64_t seed_;
  SessionPlan plan_;
  fs::path dir_;
  Rng rng_;
  Generator generator_;
  std::string start_text_;
  std::vector<Run> replay_;  // the runs of a report still to replay
  size_t replay_next_ = 0;
  Editor* editor_ = nullptr;
  MenuStates* states_ = nullptr;
  host::Host* host_ = nullptr;
  host::ScriptedWindowSystem* window_ = nullptr;
  int number_ = 0, checked_ = 0, generated_ = 0, closing_ = 0, repeats_ = 0, kills_ = 0, recoveries_ = 0, seconds_ = 0;
  Planned now_;
  bool out_of_actions_ = false, restarted_ = false, recovered_ = false, killing_ = false;
  // A second plivet wrote the file: the copy may no longer fit it, and is then set aside.
  bool second_wrote_ = false, set_aside_ = false;
  std::deque<Item> items_;
  std::deque<host::Event> events_;
  std::vector<std::string> runs_;  // each editor run's script so far
  std::vector<std::string> baseline_, tip_, shown_, preview_;
  // What a kill in the action under way may leave: the drawing as at its
  // last main menu wait, where every action before is on disc, or as at a
  // wait since where it differs, for the editor keeps each of its own
  // actions (an element made, a recolouring, an undo) as it ends, and
  // loses only the one in progress.
  std::vector<std::vector<std::string>> kept_;
  size_t before_preview_ = 0;
};

// Runs in a fresh temporary folder, which is the current directory (and
// holds the recovery copies) while it runs.
SessionOutcome run_session(std::uint64_t seed, const SessionPlan& plan) {
  testing::TempDir dir;
  const fs::path was = fs::current_path();
  fs::current_path(dir.path());
  ::setenv("PLIVET_STATE_DIR", (dir.path() / "state").c_str(), 1);
  SessionOutcome outcome = Driver(seed, plan, dir.path()).run();
  fs::current_path(was);
  return outcome;
}


TEST(Sessions, RandomSessionsKeepTheDrawingTheEditorShows) {
  if (const char* path = std::getenv("PLIVET_SESSION_REPLAY"); path && *path) {
    const SessionOutcome outcome = run_session(0, {.replay = testing::read_file(path)});
    EXPECT_TRUE(outcome.clean) << outcome.report;
    std::cout << "actions checked: " << outcome.actions << "\n";
    return;
  }
  std::uint64_t first = 1;
  int count = PLIVET_SANITIZED ? 30 : 200;
  if (const char* text = std::getenv("PLIVET_SESSION_SEEDS"); text && *text) {
    const std::string range(text);
    first = std::stoull(range.substr(0, range.find(':')));
    if (range.find(':') != std::string::npos) count = std::stoi(range.substr(range.find(':') + 1));
  }
  SessionOutcome all{.actions = 0, .report = {}};
  int clean = 0;
  for (std::uint64_t seed = first; seed < first + static_cast<std::uint64_t>(count); ++seed) {
    const SessionOutcome outcome = run_session(seed, {});
    all.actions += outcome.actions, all.kills += outcome.kills, all.recoveries += outcome.recoveries;
    all.second_plivets += outcome.second_plivets;
    if (outcome.clean) ++clean;
    else ADD_FAILURE() << outcome.report;
  }
  std::cout << "sessions clean: " << clean << " of " << count << "; actions checked: " << all.actions
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
