#pragma once
// A drawing of a million mixed records, LI most common, as a plotting
// program would write them, in a folder of this run's own that goes when
// the run ends.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "drawing/translation_setup.h"
#include "text/field_format.h"

namespace plv::bench {

inline constexpr long kMillion = 1'000'000;

class RunFolder {
 public:
  RunFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "plivet-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    path_ = pattern;
  }
  ~RunFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline const RunFolder& run_folder() {
  static const RunFolder folder;
  return folder;
}

inline std::string million_record_line(long n) {
  auto i6 = [](long v) { return plv::fmt::int_text(6, v); };
  const long x = (n * 37) % 3000 - 1500, y = (n * 91) % 2400 - 1200;
  switch (n % 10) {
    case 0: return "SC BAR" + plv::fmt::int_text(4, n % 16);
    case 1: return "LA" + plv::fmt::int_text(3, n % 5) + "  0.1000000E+01  0.0000000E+00  0.0000000E+00";
    case 2: return "AR" + i6(x) + i6(y) + i6(-x) + i6(-y) + " N N Y N N 0.000";
    case 3: return "CH" + i6(x) + i6(y) + " 12 S 0 LABEL " + std::to_string(n);
    case 4: return "CI" + i6(x) + i6(y) + i6(x + 50) + i6(y) + i6(x + 50) + i6(y);
    default: return "LI" + i6(x) + i6(y) + i6(x + 17) + i6(y - 23) + " S";
  }
}

// A drawing of `count` such records, written once per run.
inline std::string record_file(long count) {
  const std::string p = run_folder().file("records-" + std::to_string(count) + ".plv");
  if (std::filesystem::exists(p)) return p;
  std::ofstream out(p);
  out << "records.plv\n" << plv::kDefaultSetupLine << "\nDATE:  8-DEC-26\n";
  for (long n = 0; n < count; ++n) out << million_record_line(n) << '\n';
  return p;
}

inline const std::string& million_record_file() {
  static const std::string path = record_file(kMillion);
  return path;
}

}  // namespace plv::bench
