#pragma once
// Reading what we wrote with programs we did not write: whether a tool is
// on the PATH, running it, and the binary PPM pictures most of them can
// turn their input into.

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace plv::testing {

inline bool tool_available(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// The command's exit status (its output to the files it names).
inline int run_tool(const std::string& command) {
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// What a command printed on standard output.
inline std::string tool_output(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

struct Ppm {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;  // three bytes a pixel, rows from the top
  std::uint32_t at(int x, int y) const {
    const size_t i = (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
    return (std::uint32_t{rgb[i]} << 16) | (std::uint32_t{rgb[i + 1]} << 8) | rgb[i + 2];
  }
};

// A binary PPM (P6, maximum 255); nothing when the file is not one.
inline std::optional<Ppm> read_ppm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  Ppm ppm;
  int maximum = 0;
  // Header fields, passing over comment lines as some writers put there.
  auto field = [&in](auto& value) {
    while (in >> std::ws && in.peek() == '#') in.ignore(1 << 20, '\n');
    return static_cast<bool>(in >> value);
  };
  if (!(field(magic) && field(ppm.width) && field(ppm.height) && field(maximum)) || magic != "P6" || maximum != 255)
    return std::nullopt;
  in.get();  // the one white space after the header
  ppm.rgb.resize(static_cast<size_t>(ppm.width) * static_cast<size_t>(ppm.height) * 3);
  if (!in.read(reinterpret_cast<char*>(ppm.rgb.data()), static_cast<std::streamsize>(ppm.rgb.size()))) return std::nullopt;
  return ppm;
}

}  // namespace plv::testing
