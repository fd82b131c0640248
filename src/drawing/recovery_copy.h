#pragma once
// A copy of the drawing's changes kept on disc as they are made, so that a
// crash, a power cut or a killed program loses at most the action in
// progress. One journal file a drawing, in the user's state folder: a
// header naming the drawing and the file it was read from, then the steps
// of each action and a line for each action's end (an undo or a redo is
// kept as the steps it took).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "drawing/change_journal.h"
#include "text/file_result.h"

namespace plv {

// What a drawing's file was when it was read: a journal written on it fits
// only that file.
struct FileIdentity {
  std::uintmax_t size = 0;
  std::int64_t modified_ns = 0;
  std::uint64_t content_hash = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
std::optional<FileIdentity> identity_of(const std::filesystem::path& file);

// $PLIVET_STATE_DIR, else $XDG_STATE_HOME/plivet, else ~/.local/state/plivet.
std::filesystem::path recovery_folder();
// The journal of the drawing at `drawing` (an absolute path) in `folder`.
std::filesystem::path journal_path(const std::filesystem::path& folder, const std::filesystem::path& drawing);

// One line of the journal, read back: a step, or the end of an action.
struct JournalEntry {
  enum class Kind { kStep, kActionEnd };
  Kind kind = Kind::kStep;
  StoreStep step;
};

struct FoundJournal {
  std::filesystem::path drawing;
  std::optional<FileIdentity> identity;  // none: a drawing started new
  std::vector<JournalEntry> entries;  // up to the last whole action; a torn end is left out
  int actions = 0;                    // ends among them
};
// Nothing when there is no journal or it is not one of ours.
std::optional<FoundJournal> read_journal(const std::filesystem::path& file);
// True while a running plivet keeps its changes in the journal.
bool journal_in_use(const std::filesystem::path& file);

// Applies the entries to `store`, as read from the file, with `journal`
// watching it, so that what was done can still be taken back.
void replay(const FoundJournal& found, RecordStore& store, ChangeJournal& journal);

// Keeps the journal file of one drawing: listens to the change journal,
// holds the steps of the action in progress, and writes them out when the
// action ends.
class RecoveryCopy {
 public:
  // Watches `journal`'s changes from now on.
  explicit RecoveryCopy(ChangeJournal& journal);
  RecoveryCopy(const RecoveryCopy&) = delete;
  RecoveryCopy& operator=(const RecoveryCopy&) = delete;
  ~RecoveryCopy();

  // The drawing now open, read from a file of `identity` (none: a new
  // drawing); a journal already at `journal_file` is added to. The file is
  // made only when the first action ends. An empty path notes nothing.
  void start(std::filesystem::path journal_file, std::filesystem::path drawing, std::optional<FileIdentity> identity);
  // No drawing, or one whose changes need no keeping: the file goes.
  void stop();
  // Writes what waits and makes it last (called before each key wait);
  // the first failure is kept in error() and the copy stops being written.
  void flush();
  const std::string& error() const { return error_; }
  const std::filesystem::path& file() const { return file_; }

 private:
  void note(std::string line);
  bool open_file();

  ChangeJournal& journal_;
  std::filesystem::path file_, drawing_;
  std::optional<FileIdentity> identity_;
  std::string waiting_;  // lines not yet written
  int fd_ = -1;
  std::string error_;
};

}  // namespace plv
