// plivet: the editor, in its window or headless from a script.

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "drawing/command_file.h"
#include "kinds/registry.h"
#include "editor/editor.h"
#include "editor/main_program.h"
#include "host/host.h"
#include "image/png_writer.h"
#include "host/program_exit.h"
#include "host/qt/qt_application.h"
#include "host/qt/qt_window_system.h"
#include "host/scripted/script.h"
#include "host/scripted/scripted_window_system.h"
#include "text/whole_file.h"
#include "kernel/kernel.h"
#include "options.h"
#include "ui/toolkit.h"
#include "text/fixed_text.h"

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

// After an internal error the open drawing is written beside itself, so
// that no work is lost; the original file is left as it was.
void rescue_drawing(const plv::Editor& editor) {
  if (!editor.file_open) return;
  std::string path = std::string(plv::text::trimmed_right(editor.drawing_path)) + ".rescued";
  const plv::CommandFileHeader header{path, editor.setup_line, editor.date};
  const plv::CommandFileWrite written = plv::write_command_file(path, header, editor.drawing, plv::kinds());
  if (written.ok()) std::cerr << "plivet: the drawing was saved as " << path << "\n";
  else std::cerr << "plivet: the drawing could not be saved: " << written.error << "\n";
}

// Runs the editor on a window system; the exit code.
int run(plv::host::WindowSystem& window, const plv::app::Options& options) {
  plv::host::Host host(window, host_settings());
  plv::kernel::Kernel kernel(host, fs::current_path());
  plv::ui::Toolkit toolkit(kernel);
  plv::Editor editor(kernel, toolkit, fs::current_path());
  plv::MenuStates states;
  try {
    plv::run_editor(editor, states, options.drawing);
  } catch (const plv::ProgramExit& end) {
    return end.code;
  } catch (const std::exception& failure) {
    std::cerr << "plivet: internal error: " << failure.what() << "\n";
    rescue_drawing(editor);
    return 3;
  }
}

// Every wait writes what the window shows: NNNN.txt or NNNN.png. False
// when the folder cannot be made.
bool record_snapshots(plv::host::ScriptedWindowSystem& window, const fs::path& dir) {
  std::error_code failed;
  fs::create_directories(dir, failed);
  if (failed || !fs::is_directory(dir, failed)) {
    std::cerr << "plivet: cannot make the snapshot folder " << dir.string() << ": "
              << (failed ? failed.message() : "a file of that name is in the way") << "\n";
    return false;
  }
  window.set_wait_observer([dir, &window, n = 0](const plv::host::Frame& frame) mutable {
    char name[16];
    std::snprintf(name, sizeof name, "%04d", ++n);
    plv::FileResult written;
    if (frame.graphics && frame.picture)
      written = plv::image::write_png(frame.picture->image(), (dir / (std::string(name) + ".png")).string());
    else if (frame.text)
      written = plv::write_whole_file((dir / (std::string(name) + ".txt")).string(), plv::host::screen_text(*frame.text));
    // The status line beside it: its words, then the pointer's place.
    const plv::host::StatusLine& status = window.status();
    if (written.ok())
      written = plv::write_whole_file((dir / (std::string(name) + ".status")).string(),
                                      status.text + "\n" + status.position + "\n");
    if (!written.ok()) std::cerr << "plivet: snapshot not written: " << written.error << "\n";
  });
  return true;
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
  // No one sees a message box here: its text goes to standard error.
  window.set_message_observer([](const std::string& text, const std::string& title) {
    std::cerr << "plivet: " << title << ": " << text << "\n";
  });
  if (options.snapshots && !record_snapshots(window, *options.snapshots)) return 2;
  return run(window, options);
}

}  // namespace

int main(int argc, char** argv) {
  // A file grown past its size limit is a write error to report, not a
  // reason for the process to die.
  std::signal(SIGXFSZ, SIG_IGN);
  std::string error;
  const auto options = plv::app::parse_options(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::cerr << "plivet: " << error << "\n" << plv::app::kUsage;
    return 2;
  }
  if (options->help) {
    std::cout << plv::app::kUsage << "\n" << plv::app::kHelp;
    return 0;
  }
  if (options->version) {
    std::cout << "plivet " << PLIVET_VERSION << "\n";
    return 0;
  }
  if (options->headless) return run_headless(*options);
  if (!display_available()) {
    std::cerr << "plivet: no display is available; use plivet --headless --play SCRIPT to run without one\n";
    return 1;
  }
  plv::host::QtApplication application(argc, argv);
  plv::host::QtWindowSystem window(plv::host::QtWindowOptions{options->width, options->height, !options->size_given});
  return run(window, *options);
}
