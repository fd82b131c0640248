#include "render.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string_view>
#include <vector>

#include "drawing/command_file.h"
#include "kinds/registry.h"
#include "render/redraw.h"
#include "host/host.h"
#include "host/picture_exports.h"
#include "host/plot_listing.h"
#include "host/program_exit.h"
#include "host/scripted/scripted_window_system.h"
#include "kernel/kernel.h"
#include "text/safe_file_writer.h"
#include "text/whole_file.h"

namespace plv::tool {
namespace {

// What the editor would show on its text screen goes to standard error.
class StderrMessages final : public ColourProblems {
 public:
  explicit StderrMessages(std::string file) : file_(std::move(file)) {}
  void met(const ColourProblem& p) override {
    say(p.first);
    if (!p.second.empty()) say(p.second);
    if (p.telling == ColourProblem::Telling::kFatal) throw ProgramExit{1};
  }

 private:
  void say(std::string_view text) { std::cerr << file_ << ": " << text << "\n"; }
  std::string file_;
};

bool ends_with(const std::string& s, const std::string& suffix) {
  if (s.size() < suffix.size()) return false;
  std::string tail = s.substr(s.size() - suffix.size());
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == suffix;
}

// Primitives are printed as they are drawn, a block at a time, so that a
// drawing of any size is listed in bounded memory.
void stream_primitives(host::Picture& picture) {
  constexpr std::size_t kBlockBytes = 1 << 20;
  picture.stream_records(
      [](std::span<const std::uint8_t> bytes) {
        host::for_each_plot_record(bytes, [](const std::string& line) { std::cout << line << '\n'; });
      },
      kBlockBytes);
}

FileResult write_bytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  return write_whole_file(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

// A PDF file stands for the printer: the page is printed as the drawing is
// drawn, as the window's Print command would print it, but without holding
// the whole picture first.
int print_as_drawn(const std::string& output, host::Picture& picture, const host::ExportOptions& options,
                   const std::function<void()>& draw) {
  SafeFileWriter file(output);
  host::pdf_page_as_drawn(picture, options, "plivet", [&file](std::string_view bytes) { file.write(bytes); }, draw);
  if (file.commit()) return 0;
  std::cerr << "plvtool: Error accessing printer: " << file.error() << "\n";
  return 1;
}

// The picture's file, in the format its extension names.
int write_picture(const std::string& output, host::Picture& picture, const host::ExportOptions& options,
                  const kernel::Kernel& kernel) {
  if (ends_with(output, ".tif") || ends_with(output, ".tiff")) {
    const FileResult written = write_bytes(output, host::tiff_bytes(picture, options));
    if (written.ok()) return 0;
    std::cerr << output << ": Unable to write the TIFF file: " << written.error << "\n";
    return 1;
  }
  if (ends_with(output, ".emf")) {
    const FileResult written = write_bytes(output, host::metafile_bytes(picture, options));
    if (written.ok()) return 0;
    std::cerr << output << ": Unable to create enhanced metafile: " << written.error << "\n";
    return 1;
  }
  FileResult written{output + ": the picture can be written as .png, .pcx, .tif, .emf or .pdf"};
  if (ends_with(output, ".png")) written = write_bytes(output, host::png_bytes(picture));
  else if (ends_with(output, ".pcx")) written = write_bytes(output, host::pcx_bytes(picture, kernel.dump_palette()));
  if (written.ok()) return 0;
  std::cerr << written.error << "\n";
  return 1;
}

int write_output(const RenderRequest& request, host::Picture& picture, const host::ExportOptions& options,
                 const kernel::Kernel& kernel) {
  if (!request.primitives) return write_picture(request.output, picture, options, kernel);
  if (!std::cout.flush()) {
    std::cerr << "plvtool: cannot write the output: " << std::strerror(errno) << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int render(const RenderRequest& request) {
  RecordStore drawing;
  const CommandFileRead read = read_command_file(request.input, drawing, kinds());
  if (!read.ok()) {
    std::cerr << request.input << ": cannot read: " << read.error << "\n";
    return 1;
  }
  for (const auto& s : read.unread)
    std::cerr << request.input << ":" << s.number << ": line not drawn, " << s.problem << ": " << s.text << "\n";

  host::ScriptedWindowSystem window({}, request.width, request.height);
  host::Host host(window, host::kNoHostSettings);  // the picture as the defaults draw it
  const host::ExportOptions options = host::export_options(host.settings());
  kernel::Kernel kernel(host, std::filesystem::current_path());
  StderrMessages messages(request.input);
  const bool pdf = !request.primitives && ends_with(request.output, ".pdf");
  int status = 0;
  try {
    kernel.gkopen("plivet");
    kernel.gkclipon(kernel::Clipping::kOn);
    kernel.gkclip(-1750, 1750, -1250, 1250);
    RenderState state;
    if (request.fit) state.view = fit_view(drawing_extent(drawing, state));
    kernel.gkpage(kernel::PageStart::kErased);
    if (request.primitives) stream_primitives(host.picture());
    const auto draw = [&] { redraw_all(drawing, state, kernel, messages); };
    if (pdf) status = print_as_drawn(request.output, host.picture(), options, draw);
    else draw();
    host.picture().flush_stream();
  } catch (const ProgramExit& end) {
    return end.code == 0 ? 1 : end.code;
  }
  if (!pdf) status = write_output(request, host.picture(), options, kernel);
  return status != 0 ? status : (read.unread.empty() ? 0 : 1);
}

}  // namespace plv::tool
