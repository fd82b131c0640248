#pragma once
// A host on the scripted window system, with its settings file in a fresh
// folder of its own.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "host/host.h"
#include "host/scripted/scripted_window_system.h"

namespace plv::host {

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("plivet-host-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

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

  std::filesystem::path dir_;
  std::unique_ptr<ScriptedWindowSystem> ws_;
  std::unique_ptr<Host> host_;
};

}  // namespace plv::host
