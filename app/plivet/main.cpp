// plivet: the editor, in its window or headless from a script.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "core/editor.h"
#include "core/main_program.h"
#include "host/host.h"
#include "host/png_writer.h"
#include "host/program_exit.h"
#include "host/qt/qt_application.h"
#include "host/qt/qt_window_system.h"
#include "host/script.h"
#include "host/scripted_window_system.h"
#include "kernel/kernel.h"
#include "options.h"
#include "ui/toolkit.h"

namespace {

namespace fs = std::filesystem;

bool display_available() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;  // the user chose a platform, e.g. offscreen
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
}

fs::path host_settings() {
  return plv::host::host_settings_path([](const char* name) { return std::getenv(name); });
}

// Runs the editor on a window system; the exit code.
int run(plv::host::WindowSystem& window, const plv::app::Options& options) {
  plv::host::Host host(window, host_settings());
  plv::kernel::Kernel kernel(host, fs::current_path());
  plv::ui::Toolkit toolkit(kernel);
  plv::Editor editor(kernel, toolkit, fs::current_path());
  try {
    plv::run_editor(editor, options.drawing);
  } catch (const plv::ProgramExit& end) {
    return end.code;
  }
}

// Every wait writes what the window shows: NNNN.txt or NNNN.png.
void record_snapshots(plv::host::ScriptedWindowSystem& window, const fs::path& dir) {
  fs::create_directories(dir);
  window.set_wait_observer([dir, n = 0](const plv::host::Frame& frame) mutable {
    char name[16];
    std::snprintf(name, sizeof name, "%04d", ++n);
    if (frame.graphics && frame.picture) {
      std::string error;
      plv::host::write_png(*frame.picture, (dir / (std::string(name) + ".png")).string(), error);
    } else if (frame.text) {
      std::ofstream(dir / (std::string(name) + ".txt")) << plv::host::screen_text(*frame.text);
    }
  });
}

int run_headless(const plv::app::Options& options) {
  std::ifstream in(options.script);
  if (!in) {
    std::cerr << "plivet: cannot read the script " << options.script << "\n";
    return 2;
  }
  std::stringstream text;
  text << in.rdbuf();
  const plv::host::Script script = plv::host::parse_script(text.str());
  if (script.error) {
    std::cerr << "plivet: " << options.script << ": " << script.error->message << "\n";
    return 2;
  }
  plv::host::ScriptedWindowSystem window(script.steps, options.width, options.height);
  if (options.snapshots) record_snapshots(window, *options.snapshots);
  return run(window, options);
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const auto options = plv::app::parse_options(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::cerr << "plivet: " << error << "\n" << plv::app::kUsage;
    return 2;
  }
  if (options->headless) return run_headless(*options);
  if (!display_available()) {
    std::cerr << "plivet: no display is available; use plivet --headless --play SCRIPT to run without one\n";
    return 1;
  }
  plv::host::QtApplication application(argc, argv);
  plv::host::QtWindowSystem window(plv::host::QtWindowOptions{options->width, options->height, true});
  return run(window, *options);
}
