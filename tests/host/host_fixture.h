#pragma once
// A host on the scripted window system, with its settings file in a fresh
// folder of its own; and what every test of the host includes.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "host/host.h"
#include "host/scripted/scripted_window_system.h"
#include "support/temp_dir.h"

namespace plv::host {

using Messages = std::vector<ScriptedWindowSystem::MessageBox>;

// A drawing whose name and state a test sets; it notes its writes and the
// view changes asked of it.
struct FakeDrawing final : DrawingKeeper {
  std::string shown_name = "fig.plv";
  bool changed = false;
  int writes = 0;
  std::vector<std::string> view_changes;
  std::string name() const override { return shown_name; }
  bool unwritten_changes() const override { return changed; }
  std::string write() override { return ++writes, changed = false, std::string(); }
  void zoom_view(int steps, Point at) override { view_changes.push_back("zoom " + std::to_string(steps) + " at " + text(at)); }
  void pan_view(Point a, Point b) override { view_changes.push_back("pan " + text(a) + " to " + text(b)); }
  static std::string text(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
};

class HostTest : public ::testing::Test {
 protected:
  // Creates the window (700 x 500) with the script's input to come.
  Host& start(const std::string& script_text, PlotBuffer buffer = PlotBuffer()) {
    const Script script = parse_script(script_text);
    EXPECT_FALSE(script.error) << script.error->message;
    host_.reset();  // before the window system it talks to
    ws_ = std::make_unique<ScriptedWindowSystem>(script.steps);
    host_ = std::make_unique<Host>(*ws_, settings_path(), std::move(buffer));
    host_->set_caption("plivet");
    EXPECT_TRUE(host_->create_window());
    return *host_;
  }
  // The same in graphics mode, with a red line along y = 0 from x = -1000 to 1000.
  Host& start_drawing(const std::string& script_text = "") {
    start(script_text).enter_graphics_mode(false);
    ink(255, 0, 0).draw_line(-1000, 0, 1000, 0);
    return *host_;
  }
  Picture& ink(int red, int green, int blue) {
    host_->picture().set_colour(red, green, blue);
    return host_->picture();
  }

  std::filesystem::path settings_path() const { return dir_ / "orvlab.ini"; }

  plv::testing::TempDir temp_;
  const std::filesystem::path dir_ = temp_.path();
  std::unique_ptr<ScriptedWindowSystem> ws_;
  std::unique_ptr<Host> host_;
};

// Notes each line it is given as "x,y x,y wPEN-WIDTH rRED" (no pen: w0 r-1),
// each rectangle as "rect l,t r,b" and each polygon as "polygon VERTICES".
class NotingSurface final : public Surface {
 public:
  explicit NotingSurface(std::vector<std::string>& log) : log_(log) {}
  void select_pen(std::optional<Pen> pen) override { pen_ = pen; }
  void select_brush(std::optional<Rgb>) override {}
  void set_mix(Mix) override {}
  void line(Point a, Point b) override {
    log_.push_back(text(a) + " " + text(b) + " w" + std::to_string(pen_ ? pen_->width : 0) + " r" +
                   std::to_string(pen_ ? pen_->colour.red : -1));
  }
  void rectangle(int l, int t, int r, int b) override { log_.push_back("rect " + text({l, t}) + " " + text({r, b})); }
  void polygon(std::span<const Point> v) override { log_.push_back("polygon " + std::to_string(v.size())); }

 private:
  static std::string text(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
  std::vector<std::string>& log_;
  std::optional<Pen> pen_;
};

// A 600-dots-an-inch grey printer whose page notes what it is given, and
// "finished" when the page is done.
class NotingPrintJob final : public PrintJob {
 public:
  explicit NotingPrintJob(std::vector<std::string>& log) : log_(log), page_(log) {}
  int dots_per_inch_x() const override { return 600; }
  int dots_per_inch_y() const override { return 600; }
  int scale_percent() const override { return 0; }
  bool colour() const override { return false; }
  Surface& page() override { return page_; }
  bool finish() override {
    log_.push_back("finished");
    return true;
  }

 private:
  std::vector<std::string>& log_;
  NotingSurface page_;
};

}  // namespace plv::host
