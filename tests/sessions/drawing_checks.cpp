#include "sessions/drawing_checks.h"

#include <algorithm>

#include "drawing/command_file.h"
#include "host/host.h"
#include "host/plot_listing.h"
#include "host/scripted/scripted_window_system.h"
#include "kernel/kernel.h"
#include "kinds/colour_in_force.h"
#include "kinds/registry.h"
#include "render/render_fixture.h"
#include "support/temp_dir.h"
#include "text/fixed_text.h"

namespace plv::sessions {

std::vector<std::string> records_of(const RecordStore& store) {
  std::vector<std::string> out;
  for (long n = 1; n <= store.count(); ++n) out.emplace_back(text::trimmed_right(store.read(n).text()));
  return out;
}

std::vector<std::string> file_lines_of(const RecordStore& store) {
  std::vector<std::string> out;
  WriteProblems problems;
  command_file_lines({}, store, kinds(), [&out](std::string_view line) { out.emplace_back(line); }, problems);
  return {out.begin() + std::min<std::ptrdiff_t>(3, std::ssize(out)), out.end()};
}

std::vector<std::string> rewritten(const std::vector<std::string>& lines, const std::string& scratch) {
  std::string text = "scratch\nGLIMPT\nDATE\n";
  for (const std::string& line : lines) text += line + '\n';
  testing::write_file(scratch, text);
  RecordStore store;
  read_back(scratch, store);
  return file_lines_of(store);
}

std::string read_back(const std::string& path, RecordStore& store) {
  const CommandFileRead read = read_command_file(path, store, kinds());
  if (!read.ok()) return "not read: " + read.error;
  if (!read.unread.empty()) return "line " + std::to_string(read.unread[0].number) + " unread: " + read.unread[0].text;
  if (read.unknown.count > 0) return "line " + std::to_string(read.unknown.first) + " has an unknown code";
  if (read.cut.count > 0) return "line " + std::to_string(read.cut.first) + " runs past column 122";
  return {};
}

std::vector<std::string> fresh_picture(const RecordStore& store, const RenderState& shown,
                                       const std::filesystem::path& dir, std::vector<std::string>& told) {
  host::ScriptedWindowSystem window({});
  host::Host host(window, dir / "fresh.ini");
  kernel::Kernel kernel(host, dir);
  // As the editor starts, and as it takes a drawing's colour mode on opening it.
  kernel.gkopen("plivet");
  kernel.set_aspect(shown.aspect);
  kernel.gkclipon(kernel::Clipping::kOn);
  kernel.gkclip(-1750, 1750, -1250, 1250);
  RenderState state;
  state.view = shown.view;
  state.aspect = shown.aspect;
  state.work_layer = shown.work_layer;
  state.also_draw_layer = shown.also_draw_layer;
  state.show_deleted = shown.show_deleted;
  state.colour_mode = colour_mode_of(store);
  state.mode_seen = state.colour_mode != ColourMode::kNone;
  kernel.gkpage(kernel::PageStart::kErased);
  CollectedMessages messages;
  try {
    redraw_all(store, state, kernel, messages);
  } catch (const ProgramExit&) {
    messages.shown.push_back("the program would end");
  }
  told.insert(told.end(), messages.shown.begin(), messages.shown.end());
  return host::list_plot_records(host.picture().buffer().bytes());
}

std::vector<std::string> in_colour(const std::vector<std::string>& listing) {
  std::vector<std::string> out;
  std::string colour = "(no colour)";
  for (const std::string& r : listing) {
    if (r.starts_with("colour")) colour = r;
    else out.push_back(colour + ": " + r);
  }
  return out;
}

std::vector<std::string> geometry(const std::vector<std::string>& listing, size_t first) {
  std::vector<std::string> out;
  for (size_t i = first; i < listing.size(); ++i)
    if (!listing[i].starts_with("colour")) out.push_back(listing[i]);
  return out;
}

std::vector<std::string> missing(std::vector<std::string> part, std::vector<std::string> whole) {
  std::sort(part.begin(), part.end());
  std::sort(whole.begin(), whole.end());
  std::vector<std::string> out;
  std::set_difference(part.begin(), part.end(), whole.begin(), whole.end(), std::back_inserter(out));
  return out;
}

std::string difference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  if (ia == a.end() && ib == b.end()) return {};
  const size_t at = static_cast<size_t>(ia - a.begin());
  std::string text = "they part at record " + std::to_string(at + 1) + " of " + std::to_string(a.size()) + " and " +
                     std::to_string(b.size()) + ":\n";
  for (size_t i = at >= 2 ? at - 2 : 0; i < at + 4; ++i)
    text += "  " + (i < a.size() ? a[i] : "-") + "  |  " + (i < b.size() ? b[i] : "-") + "\n";
  return text;
}

}  // namespace plv::sessions
