// Recovery copies: any file reads as a copy, a damaged one or none, and
// what is read rebuilds and replays onto a drawing without harm.

#include "drawing/recovery_journal.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const plv::fuzz::MemoryFile file(plv::fuzz::as_text(data, size));
  auto found = plv::recovery::read_journal(file.path());
  if (!found || !found->head_read) return 0;
  plv::RecordStore read, drawing;
  read.append(plv::Record("SC MODE BAR"));
  read.append(plv::Record("LI     0     0   100     0 S"));
  plv::recovery::rebuild(found->head, read, drawing);
  plv::ChangeJournal journal;
  drawing.watch(&journal);
  journal.restore(std::move(found->history));
  plv::recovery::replay(found->entries, drawing, journal);
  while (journal.undo(drawing)) {
  }
  return 0;
}
