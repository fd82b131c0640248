#pragma once
// The lines of a recovery copy. A copy is a head, then the changes made
// since it was written:
//
//   PLIVET RECOVERY 2
//   DRAWING <path>            the drawing the changes were made to
//   FILE <size> <hash>        its file, by its bytes, when the copy began
//   BASE <records> <hash> <file records>
//                             the drawing when the copy began, made of
//   F <first> <last>            records of the file, as it reads back
//   R <record>                  and records the file does not hold
//   HD | HU                   an action that could be taken back | made again
//   S <step>                    its steps
//   START
//   S <step> ... E            an action: its steps, then its end
//   U | Y                     an action taken back | made again
//
// Fields are separated by tabs; a record's tabs, line ends, other control
// characters and percent signs are written as %XX.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/change_journal.h"

namespace plv::recovery {

inline constexpr std::string_view kMagic = "PLIVET RECOVERY 2";

// What a drawing's file holds, judged by its bytes alone: a file touched
// but not changed is the same file.
struct FileIdentity {
  std::uintmax_t size = 0;
  std::uint64_t content_hash = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// A run of the drawing's records: file records first..last, or (first 0)
// one record kept in the copy itself.
struct BaseRun {
  long first = 0, last = 0;
  Record record;
  friend bool operator==(const BaseRun&, const BaseRun&) = default;
};

// What a copy's changes were made on.
struct Head {
  std::filesystem::path drawing;
  FileIdentity file;
  std::vector<BaseRun> base;
  long records = 0;            // in the drawing the base makes
  std::uint64_t records_hash = 0;
  long file_records = 0;       // in the file, as it reads back
};

std::string encoded(std::string_view text);
std::optional<std::string> decoded(std::string_view text);
std::vector<std::string_view> fields_of(std::string_view line);

std::string step_line(const StoreStep& step);
std::optional<StoreStep> step_from(const std::vector<std::string_view>& fields);

// The head's lines and the history's, through the START line.
std::string head_text(const Head& head, const JournalHistory& history);

// Each line of a head read back, one at a time; true at START.
class HeadReader {
 public:
  // False when the line is not the head's next one.
  bool take(std::string_view line);
  bool ended() const { return ended_; }
  Head head;
  JournalHistory history;

 private:
  enum class Part { kMagic, kDrawing, kFile, kBase, kRuns };
  Part part_ = Part::kMagic;
  JournalAction* action_ = nullptr;
  bool ended_ = false;
};

}  // namespace plv::recovery
