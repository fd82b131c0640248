#pragma once
// The process's peak resident memory, as the kernel reports it.

#include <fstream>
#include <string>

namespace plv::bench {

inline long peak_rss_bytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long kb = 0;
  while (status >> key) {
    if (key == "VmHWM:") {
      status >> kb;
      break;
    }
    status.ignore(4096, '\n');
  }
  return kb * 1024;
}

}  // namespace plv::bench
