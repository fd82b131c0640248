#pragma once
// A kernel on a host with the scripted window system, its files in a fresh
// folder, and the plot buffer readable as text.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/host.h"
#include "host/plot_listing.h"
#include "host/scripted/scripted_window_system.h"
#include "kernel/kernel.h"
#include "support/temp_dir.h"

namespace plv::kernel {

class KernelTest : public ::testing::Test {
 protected:
  // Opens the kernel with the script's input to come.
  Kernel& open(const std::string& script_text = "") {
    const host::Script script = host::parse_script(script_text);
    EXPECT_FALSE(script.error) << script.error->message;
    ws_ = std::make_unique<host::ScriptedWindowSystem>(script.steps);
    host_ = std::make_unique<host::Host>(*ws_, dir_.file("orvlab.ini"));
    kernel_ = std::make_unique<Kernel>(*host_, dir_.path());
    kernel_->gkopen("plivet");
    return *kernel_;
  }

  std::vector<std::string> records() const { return host::list_plot_records(host_->picture().buffer().bytes()); }
  // Records drawn after `skip` earlier ones.
  std::vector<std::string> records_after(size_t skip) const {
    auto all = records();
    return {all.begin() + static_cast<long>(std::min(skip, all.size())), all.end()};
  }
  std::pair<float, float> pen() const { float x, y; return kernel_->gkwhere(x, y), std::pair{x, y}; }
  // The records of one kind, named with its blank: "line ", "fillrect ".
  std::vector<std::string> records_of(std::string_view kind) const {
    std::vector<std::string> out;
    for (const auto& r : records())
      if (r.rfind(kind, 0) == 0) out.push_back(r);
    return out;
  }

  testing::TempDir dir_;
  std::unique_ptr<host::ScriptedWindowSystem> ws_;
  std::unique_ptr<host::Host> host_;
  std::unique_ptr<Kernel> kernel_;
};

using Lines = std::vector<std::string>;

}  // namespace plv::kernel
