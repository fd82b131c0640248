// Recovery journals: any file reads as a journal or as none, and what is
// read replays onto a drawing without harm.

#include "drawing/recovery_copy.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const plv::fuzz::MemoryFile file(plv::fuzz::as_text(data, size));
  const auto found = plv::read_journal(file.path());
  if (!found) return 0;
  plv::RecordStore drawing;
  drawing.append(plv::Record("SC MODE BAR"));
  plv::ChangeJournal journal;
  drawing.watch(&journal);
  plv::replay(*found, drawing, journal);
  while (journal.undo(drawing)) {
  }
  return 0;
}
