#include "import/postscript_pdf.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace plv::import {
namespace {

constexpr const char* kSecondsAllowed = "120";  // a PostScript program may never end

// A folder of our own for the two files, removed on leaving.
class PrivateFolder {
 public:
  PrivateFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "plivet-import-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~PrivateFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

int run(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

PostScriptAsPdf postscript_as_pdf(std::string_view postscript, bool encapsulated) {
  PostScriptAsPdf out;
  PrivateFolder folder;
  if (folder.path().empty()) {
    out.error = std::string("no room for Ghostscript's files: ") + std::strerror(errno);
    return out;
  }
  const std::string in = folder.path() + "/figure.ps", pdf = folder.path() + "/figure.pdf";
  {
    std::ofstream file(in, std::ios::binary);
    file.write(postscript.data(), static_cast<std::streamsize>(postscript.size()));
    if (!file.flush()) {
      out.error = "the figure could not be handed to Ghostscript";
      return out;
    }
  }
  std::vector<std::string> args{"timeout", kSecondsAllowed, "gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE",
                                "-sDEVICE=pdfwrite", "-dAutoRotatePages=/None", "-sOutputFile=" + pdf};
  if (encapsulated) args.push_back("-dEPSCrop");
  args.push_back(in);
  const int status = run(args);
  std::ifstream made(pdf, std::ios::binary);
  out.pdf.assign(std::istreambuf_iterator<char>(made), std::istreambuf_iterator<char>());
  if (status == -1 || status == 127) out.error = "Ghostscript (gs) could not be run; is it installed?";
  else if (status == 124) out.error = std::string("Ghostscript took more than ") + kSecondsAllowed + " seconds";
  else if (status != 0 || out.pdf.empty()) out.error = "Ghostscript could not read the PostScript";
  if (!out.error.empty()) out.pdf.clear();
  return out;
}

}  // namespace plv::import
