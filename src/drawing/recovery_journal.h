#pragma once
// A recovery copy read back, and the drawing and history it gives: the
// head's drawing rebuilt from the file it names, then each whole action
// made again, each step only where it finds the records it says it found.

#include <filesystem>
#include <optional>
#include <vector>

#include "drawing/change_journal.h"
#include "drawing/command_file.h"
#include "drawing/recovery_lines.h"

namespace plv::recovery {

struct JournalEntry {
  enum class Kind { kStep, kActionEnd, kUndo, kRedo };
  Kind kind = Kind::kStep;
  StoreStep step;
};

struct FoundJournal {
  bool head_read = false;  // false: the head is damaged, nothing is applied
  Head head;
  JournalHistory history;
  std::vector<JournalEntry> entries;  // up to the last whole action
  long damaged_at = 0;  // the line from which the rest could not be read; 0: none (a torn last line is no damage)
  int made = 0, taken_back = 0;  // actions made (or made again) and taken back among the entries
  int actions() const { return made + taken_back; }
};
// Nothing when there is no file to read.
std::optional<FoundJournal> read_journal(const std::filesystem::path& file);

// What identifies the file now, by its bytes.
std::optional<FileIdentity> identity_of(const std::filesystem::path& file);
// What the records hash to, as a copy's head keeps it.
std::uint64_t records_hash(const RecordStore& drawing);

// The head of a copy begun on `drawing`: as read from its file, every
// record kept in the copy (a drawing started new), or as just written to
// its file (`places` from the write).
Head head_as_read(std::filesystem::path path, FileIdentity file, const RecordStore& drawing);
Head head_as_kept(std::filesystem::path path, FileIdentity file, const RecordStore& drawing);
Head head_as_written(std::filesystem::path path, FileIdentity file, const RecordStore& drawing,
                     const FilePlaces& places);

// The drawing the head describes, from the records its file read into
// `file`; false (and `into` left partly made) when they do not fit it.
bool rebuild(const Head& head, const RecordStore& file, RecordStore& into);

struct Replayed {
  int actions = 0, applied = 0;
};
// Makes the entries again on `store`, whose watcher `journal` is, up to
// the first that does not fit it.
Replayed replay(const std::vector<JournalEntry>& entries, RecordStore& store, ChangeJournal& journal);

}  // namespace plv::recovery
