#include "editor/files/recovery_offer.h"

#include <filesystem>

#include "drawing/recovery_copy.h"
#include "drawing/recovery_journal.h"
#include "editor/files/drawing_file_ops.h"
#include "ui/function_key.h"
#include "ui/messages.h"
#include "ui/screen_lines.h"
#include "ui/text_screen.h"
#include "ui/toolkit.h"

namespace plv {
namespace {

namespace fs = std::filesystem;
using recovery::FoundJournal;

fs::path absolute_path(const std::string& path) {
  std::error_code ec;
  const fs::path p = fs::absolute(path, ec);
  return ec ? fs::path(path) : p.lexically_normal();
}

void tell(Screen& screen, const std::string& first, const std::string& second) {
  screen.ui.lines().set_message(first);
  ui::begin_messages(screen.ui);
  screen.ui.lines().set_message(second);
  ui::message_and_wait(screen.ui);
}

std::string actions_text(int n) { return std::to_string(n) + (n == 1 ? " ACTION" : " ACTIONS"); }

enum class Choice { kRecover, kDiscard };

Choice ask(Screen& screen, const fs::path& journal, const FoundJournal& found) {
  ui::TextScreen& s = screen.ui.screen();
  const std::string taken_back = found.taken_back ? " (AND " + std::to_string(found.taken_back) + " TAKEN BACK)" : "";
  for (;;) {
    s.clear();
    s.write_at(1, 1, screen.ui.lines().title, ui::kScreenColumns);
    s.write_at(3, 1, "CHANGES TO THIS DRAWING WERE NOT WRITTEN WHEN IT WAS LAST OPEN.", ui::kScreenColumns);
    s.write_at(5, 1, "A RECOVERY COPY OF " + actions_text(found.made) + taken_back + " WAS KEPT IN:", ui::kScreenColumns);
    s.write_at(7, 1, journal.string(), ui::kScreenColumns);
    s.write_at(9, 1, "          F1 = RECOVER THE CHANGES", ui::kScreenColumns);
    s.write_at(11, 1, "          F2 = DISCARD THEM", ui::kScreenColumns);
    if (found.damaged_at)
      s.write_at(13, 1, "THE COPY IS DAMAGED AT ITS LINE " + std::to_string(found.damaged_at) +
                            ": ONLY WHAT STANDS BEFORE IT IS RECOVERED.", ui::kScreenColumns);
    const ui::FKey key = ui::fkey_of(screen.ui.wait_key());
    if (key == ui::FKey::kF1) return Choice::kRecover;
    if (key == ui::FKey::kF2) return Choice::kDiscard;
  }
}

void tell_set_aside(Screen& screen, const std::string& why, const fs::path& journal) {
  tell(screen, why, "IT IS KEPT AS " + set_aside(journal, why.find("DAMAGED") != std::string::npos ? "damaged" : "stale").string());
}

// What an earlier run left, offered when it was made on this very file;
// anything else is told and kept aside, never applied and never lost.
// True when the user takes it: the drawing and history are then its own.
bool offer(Document& document, Screen& screen, const fs::path& journal,
           const std::optional<recovery::FileIdentity>& now, bool from_file, FoundJournal& found) {
  if (!found.head_read)
    return tell_set_aside(screen, "THE RECOVERY COPY OF THIS DRAWING IS DAMAGED AND CANNOT BE READ.", journal), false;
  const bool nothing_kept = found.entries.empty() && !found.damaged_at;
  if (nothing_kept) {  // the program ended with nothing unwritten
    std::error_code ignored;
    fs::remove(journal, ignored);
    return false;
  }
  if (!from_file)
    return tell_set_aside(screen, "AN OLD RECOVERY COPY UNDER THIS DRAWING'S NAME IS NOT APPLIED.", journal), false;
  // A file written again by another program, its records as they were
  // (a new date, say), still takes the copy: what it is made on is there.
  RecordStore rebuilt;
  if (!recovery::rebuild(found.head, document.drawing, rebuilt))
    return tell_set_aside(screen, now && found.head.file == *now
                                 ? "THE RECOVERY COPY DOES NOT FIT THE FILE: THE COPY IS NOT APPLIED."
                                 : "THE FILE CHANGED AFTER ITS RECOVERY COPY WAS MADE: THE COPY IS NOT APPLIED.",
                          journal),
           false;
  if (ask(screen, journal, found) == Choice::kDiscard) {
    std::error_code ignored;
    if (found.damaged_at) set_aside(journal, "damaged");  // what could not be read is not thrown away
    else fs::remove(journal, ignored);
    return false;
  }
  if (found.damaged_at) set_aside(journal, "damaged");
  document.drawing.watch(nullptr);
  document.drawing = std::move(rebuilt);
  document.drawing.watch(&document.journal);
  document.journal.restore(std::move(found.history));
  return true;
}

void tell_replayed(Screen& screen, const recovery::Replayed& replayed) {
  if (replayed.applied == replayed.actions) return;
  tell(screen, std::to_string(replayed.applied) + " OF " + actions_text(replayed.actions) +
              " WERE RECOVERED; THE REST DID NOT FIT THE DRAWING.",
       "THE DRAWING IS AS THE LAST ACTION THAT FITTED LEFT IT.");
}

}  // namespace

void begin_recovery_copy(Document& document, Screen& screen, const std::string& path, bool from_file) {
  const fs::path drawing = absolute_path(path);
  const fs::path journal = journal_path(recovery_folder(), drawing);
  document.recovery.start({}, {});  // nothing noted until the copy is begun
  if (journal_in_use(journal)) {
    tell(screen, "THIS DRAWING IS OPEN IN ANOTHER PLIVET, WHICH KEEPS ITS RECOVERY COPY.",
         "CHANGES MADE HERE HAVE NO RECOVERY COPY.");
    return;
  }
  const auto now = recovery::identity_of(drawing);
  const recovery::FileIdentity file = now.value_or(recovery::FileIdentity{});
  recovery::Head head = from_file ? recovery::head_as_read(drawing, file, document.drawing)
                                  : recovery::head_as_kept(drawing, file, document.drawing);
  auto found = recovery::read_journal(journal);
  if (found && offer(document, screen, journal, now, from_file, *found)) {
    // Begun on what the old copy was made on, so that the actions made
    // again are kept in it as they are made.
    found->head.file = file;
    document.recovery.start(journal, found->head);
    const recovery::Replayed replayed = recovery::replay(found->entries, document.drawing, document.journal);
    document.recovery.flush();  // the recovered actions are kept again before anything else
    tell_replayed(screen, replayed);
    screen.picture_not_drawn = true;
    return;
  }
  document.recovery.start(journal, std::move(head));
}

void restart_recovery_copy(Document& document, const std::string& path, const FilePlaces& places) {
  document.journal.end_action();
  const fs::path drawing = absolute_path(path);
  const auto file = recovery::identity_of(drawing);
  if (!file) return document.recovery.start({}, {});
  document.recovery.start(journal_path(recovery_folder(), drawing),
                          recovery::head_as_written(drawing, *file, document.drawing, places));
}

void end_recovery_copy(Document& document) { document.recovery.stop(); }

}  // namespace plv
