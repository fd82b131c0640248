#pragma once
// A store's records as text, and a store made of records given as text.

#include <string>
#include <vector>

#include "drawing/record_store.h"

namespace plv {

// Each record, its trailing blanks left off.
inline std::vector<std::string> records_of(const RecordStore& store) {
  std::vector<std::string> out;
  for (long n = 1; n <= store.count(); ++n) out.emplace_back(store.read(n).trimmed());
  return out;
}

inline RecordStore store_of(const std::vector<std::string>& lines) {
  RecordStore store;
  for (const std::string& line : lines) store.append(Record(line));
  return store;
}

}  // namespace plv
