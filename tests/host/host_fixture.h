#pragma once
// A host on the scripted window system, with its settings file in a fresh
// folder of its own.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/scripted/scripted_window_system.h"
#include "support/temp_dir.h"

namespace plv::host {

class HostTest : public ::testing::Test {
 protected:
  // Creates the window (700 x 500) with the script's input to come.
  Host& start(const std::string& script_text, PlotBuffer buffer = PlotBuffer()) {
    const Script script = parse_script(script_text);
    EXPECT_FALSE(script.error) << script.error->message;
    ws_ = std::make_unique<ScriptedWindowSystem>(script.steps);
    host_ = std::make_unique<Host>(*ws_, settings_path(), std::move(buffer));
    host_->set_caption("plivet");
    EXPECT_TRUE(host_->create_window());
    return *host_;
  }

  std::filesystem::path settings_path() const { return dir_ / "orvlab.ini"; }

  plv::testing::TempDir temp_;
  const std::filesystem::path dir_ = temp_.path();
  std::unique_ptr<ScriptedWindowSystem> ws_;
  std::unique_ptr<Host> host_;
};

// A 600-dots-an-inch grey printer whose page notes each line it is given as
// "x,y x,y wPEN-WIDTH gRED", and "finished" when the page is done.
class NotingPrintJob final : public PrintJob {
 public:
  explicit NotingPrintJob(std::vector<std::string>& log) : page_(log) {}
  int dots_per_inch_x() const override { return 600; }
  int dots_per_inch_y() const override { return 600; }
  int scale_percent() const override { return 0; }
  bool colour() const override { return false; }
  Surface& page() override { return page_; }
  bool finish() override {
    page_.log.push_back("finished");
    return true;
  }

 private:
  struct Page final : Surface {
    explicit Page(std::vector<std::string>& l) : log(l) {}
    void select_pen(std::optional<Pen> p) override { pen = p; }
    void select_brush(std::optional<Rgb>) override {}
    void set_mix(Mix) override {}
    void line(Point a, Point b) override {
      log.push_back(std::to_string(a.x) + "," + std::to_string(a.y) + " " + std::to_string(b.x) + "," +
                    std::to_string(b.y) + " w" + std::to_string(pen->width) + " g" + std::to_string(pen->colour.red));
    }
    void rectangle(int, int, int, int) override {}
    void polygon(std::span<const Point>) override {}
    std::optional<Pen> pen;
    std::vector<std::string>& log;
  } page_;
};

}  // namespace plv::host
