#include "editor/files/recovery_offer.h"

#include <filesystem>

#include "drawing/recovery_copy.h"
#include "editor/files/drawing_file_ops.h"
#include "ui/messages.h"
#include "ui/screen_lines.h"
#include "ui/text_screen.h"
#include "ui/toolkit.h"

namespace plv {
namespace {

namespace fs = std::filesystem;

fs::path absolute_path(const std::string& path) {
  std::error_code ec;
  const fs::path p = fs::absolute(path, ec);
  return ec ? fs::path(path) : p.lexically_normal();
}

enum class Choice { kRecover, kDiscard };

Choice ask(Editor& e, const fs::path& journal, int actions) {
  ui::TextScreen& s = e.ui.screen();
  for (;;) {
    s.clear();
    s.write_at(1, 1, e.ui.lines().title, ui::kScreenColumns);
    s.write_at(3, 1, "CHANGES TO THIS DRAWING WERE NOT WRITTEN WHEN IT WAS LAST OPEN.", ui::kScreenColumns);
    s.write_at(5, 1, "A RECOVERY COPY OF " + std::to_string(actions) + (actions == 1 ? " ACTION" : " ACTIONS") +
                         " WAS KEPT IN:", ui::kScreenColumns);
    s.write_at(7, 1, journal.string(), ui::kScreenColumns);
    s.write_at(9, 1, "          F1 = RECOVER THE CHANGES", ui::kScreenColumns);
    s.write_at(11, 1, "          F2 = DISCARD THEM", ui::kScreenColumns);
    const int key = e.ui.wait_key().function_number();
    if (key == 1) return Choice::kRecover;
    if (key == 2) return Choice::kDiscard;
  }
}

void tell(Editor& e, const std::string& first, const std::string& second) {
  e.ui.lines().set_message(first);
  ui::begin_messages(e.ui);
  e.ui.lines().set_message(second);
  ui::message_and_wait(e.ui);
}

// A journal left by an earlier run: applied if the user asks and it was
// made on this very file; one made on another state of the file is kept
// aside, never applied.
void offer(Editor& e, const fs::path& journal, const std::optional<FileIdentity>& now) {
  if (journal_in_use(journal)) {
    tell(e, "THIS DRAWING IS OPEN IN ANOTHER PLIVET, WHICH KEEPS THE RECOVERY COPY OF ITS CHANGES.",
         "CHANGES MADE HERE HAVE NO RECOVERY COPY.");
    return;
  }
  const auto found = read_journal(journal);
  if (!found) return;
  // A drawing started new leaves an empty file until it is first written.
  const bool new_and_still_empty = !found->identity && now && now->size == 0;
  if (found->identity != now && !new_and_still_empty) {
    std::error_code ignored;
    fs::path aside = journal.string() + ".stale";
    for (int n = 2; fs::exists(aside, ignored); ++n) aside = journal.string() + "-" + std::to_string(n) + ".stale";
    fs::rename(journal, aside, ignored);
    tell(e, "THE FILE CHANGED AFTER ITS RECOVERY COPY WAS MADE: THE COPY IS NOT APPLIED.",
         "IT IS KEPT AS " + aside.string());
    return;
  }
  if (found->actions == 0 || ask(e, journal, found->actions) == Choice::kDiscard) {
    std::error_code ignored;
    fs::remove(journal, ignored);
    return;
  }
  if (new_and_still_empty) start_new_drawing(e);  // what its changes were made on
  replay(*found, e.drawing, e.journal);
  e.picture_not_drawn = true;
}

}  // namespace

void begin_recovery_copy(Editor& editor, const std::string& path, bool from_file) {
  const fs::path drawing = absolute_path(path);
  const fs::path journal = journal_path(recovery_folder(), drawing);
  const std::optional<FileIdentity> identity = from_file ? identity_of(drawing) : std::nullopt;
  editor.recovery.start({}, {}, std::nullopt);  // nothing noted while an old copy is replayed
  if (from_file) offer(editor, journal, identity);
  editor.recovery.start(journal, drawing, identity);
}

void restart_recovery_copy(Editor& editor, const std::string& path) {
  editor.recovery.stop();
  editor.journal.end_action();
  const fs::path drawing = absolute_path(path);
  editor.recovery.start(journal_path(recovery_folder(), drawing), drawing, identity_of(drawing));
}

void end_recovery_copy(Editor& editor) { editor.recovery.stop(); }

}  // namespace plv
