#pragma once
// A copy of the drawing's changes kept on disc as they are made, so that a
// crash, a power cut or a killed program loses at most the action in
// progress. One copy a drawing, in the user's state folder (its lines in
// recovery_lines.h). A copy is written whole when it begins, then each
// action is added as it ends; only the program holding its lock adds to
// it, replaces it or removes it.

#include <filesystem>
#include <string>

#include "drawing/change_journal.h"
#include "drawing/recovery_lines.h"

namespace plv {

// $PLIVET_STATE_DIR, else $XDG_STATE_HOME/plivet, else ~/.local/state/plivet.
std::filesystem::path recovery_folder();
// The copy of the drawing at `drawing` (an absolute path) in `folder`.
std::filesystem::path journal_path(const std::filesystem::path& folder, const std::filesystem::path& drawing);
// True while a running plivet keeps its changes in the copy.
bool journal_in_use(const std::filesystem::path& file);
// Renames a copy not to be applied to FILE.WHY (or FILE-2.WHY, ...) and
// returns its new name; its old name when it could not be renamed.
std::filesystem::path set_aside(const std::filesystem::path& file, std::string_view why);

class RecoveryCopy {
 public:
  // Listens to `journal`'s changes from now on.
  explicit RecoveryCopy(ChangeJournal& journal);
  RecoveryCopy(const RecoveryCopy&) = delete;
  RecoveryCopy& operator=(const RecoveryCopy&) = delete;
  ~RecoveryCopy();

  // Keeps the changes from now on in `file`: `head`, then what the journal
  // can take back and make again, then each action. A copy this program
  // already holds there is replaced at once; otherwise the copy is made
  // when the first action ends, unless another plivet holds one there.
  // An empty path keeps nothing.
  void start(std::filesystem::path file, recovery::Head head);
  // The drawing's changes need no keeping: the copy goes, if it is ours.
  void stop();
  // The drawing is put away with its changes unwritten: the copy stays,
  // for the next start to offer them.
  void leave();
  // Writes the actions that ended and makes them last (called before each
  // key wait). A copy removed meanwhile is made again. The first failure
  // is kept in error() and the copy stops being written.
  void flush();
  const std::string& error() const { return error_; }
  // The failure, the first time it is asked for; empty after that.
  std::string untold_error();
  const std::filesystem::path& file() const { return file_; }

 private:
  void note(std::string line);
  bool write_whole(const std::string& text);
  bool still_in_place() const;
  bool make_again();
  void fail(const std::string& why);
  void release();

  ChangeJournal& journal_;
  std::filesystem::path file_;
  std::string head_;     // the copy's head, until the copy is made
  std::string waiting_;  // lines not yet written
  int fd_ = -1;          // the copy, locked
  std::string error_;
  bool error_told_ = false;
};

}  // namespace plv
