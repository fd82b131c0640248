#include "drawing/recovery_journal.h"

#include <cstring>
#include <fstream>

#include "text/line_reader.h"

namespace plv::recovery {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kFnvStart = 14695981039346656037ull;
std::uint64_t fnv(std::uint64_t hash, std::string_view bytes) {
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return hash;
}

// Eight bytes at a step: a large drawing and its file are hashed at each
// write.
std::uint64_t words_hash(std::uint64_t hash, std::string_view bytes) {
  size_t at = 0;
  for (; at + 8 <= bytes.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + at, 8);
    hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
    hash ^= hash >> 29;
  }
  return fnv(hash, bytes.substr(at));
}

// An unread record stands for its line, wherever its line is kept.
std::string_view hashed_text(const RecordStore& drawing, const Record& r) {
  const auto line = drawing.unread_line(r);
  return line ? *line : r.text();
}

void copy_record(const RecordStore& from, const Record& r, RecordStore& into) {
  if (const auto line = from.unread_line(r)) into.append_unread(*line);
  else into.append(r);
}

// The entry a line holds; nothing when it holds none.
std::optional<JournalEntry> entry_from(std::string_view line) {
  const auto f = fields_of(line);
  using Kind = JournalEntry::Kind;
  if (f.size() == 1 && (f[0] == "E" || f[0] == "U" || f[0] == "Y"))
    return JournalEntry{f[0] == "E" ? Kind::kActionEnd : f[0] == "U" ? Kind::kUndo : Kind::kRedo, {}};
  const auto step = step_from(f);
  if (!step) return std::nullopt;
  return JournalEntry{Kind::kStep, *step};
}

}  // namespace

std::optional<FoundJournal> read_journal(const fs::path& file) {
  LineReader in(file.string());
  if (!in.ok()) return std::nullopt;
  FoundJournal found;
  HeadReader head;
  std::string_view line;
  while (!head.ended() && in.next(line))
    if (!head.take(line)) return found;
  if (!head.ended()) return found;
  found.head_read = true;
  found.head = std::move(head.head);
  found.history = std::move(head.history);
  size_t whole = 0;  // entries up to the last whole action
  long unreadable = 0;
  while (in.next(line)) {
    if (unreadable) {  // lines after one that cannot be read: the copy is damaged there
      found.damaged_at = unreadable;
      break;
    }
    const auto entry = entry_from(line);
    if (!entry) {
      unreadable = in.line_number();
      continue;
    }
    found.entries.push_back(*entry);
    if (entry->kind == JournalEntry::Kind::kStep) continue;
    whole = found.entries.size();
    (entry->kind == JournalEntry::Kind::kUndo ? found.taken_back : found.made)++;
  }
  found.entries.resize(whole);  // the action in progress when it ended is not whole
  return found;
}

std::optional<FileIdentity> identity_of(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  FileIdentity id{0, kFnvStart};
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    // Whole chunks but the last, so the same bytes always hash the same.
    id.content_hash = words_hash(id.content_hash, {buffer, static_cast<size_t>(in.gcount())});
    id.size += static_cast<std::uintmax_t>(in.gcount());
    if (!in) break;
  }
  if (in.bad()) return std::nullopt;
  return id;
}

std::uint64_t records_hash(const RecordStore& drawing) {
  std::uint64_t hash = kFnvStart;
  for (long n = 1; n <= drawing.count(); ++n) hash = words_hash(hash, hashed_text(drawing, drawing.read(n)));
  return hash;
}

Head head_as_read(fs::path path, FileIdentity file, const RecordStore& drawing) {
  Head head{std::move(path), file, {}, drawing.count(), records_hash(drawing), drawing.count()};
  if (drawing.count() > 0) head.base.push_back({1, drawing.count(), Record()});
  return head;
}

Head head_as_kept(fs::path path, FileIdentity file, const RecordStore& drawing) {
  Head head{std::move(path), file, {}, drawing.count(), records_hash(drawing), 0};
  for (long n = 1; n <= drawing.count(); ++n) head.base.push_back({0, 0, drawing.read(n)});
  return head;
}

Head head_as_written(fs::path path, FileIdentity file, const RecordStore& drawing, const FilePlaces& places) {
  Head head{std::move(path), file, {}, drawing.count(), records_hash(drawing), places.file_records};
  for (long n = 1; n <= drawing.count(); ++n) {
    const auto& of = places.of_record;
    const long place = n <= static_cast<long>(of.size()) ? of[static_cast<size_t>(n - 1)] : 0;
    if (place == 0) {
      head.base.push_back({0, 0, drawing.read(n)});
    } else if (!head.base.empty() && head.base.back().first != 0 && head.base.back().last + 1 == place) {
      head.base.back().last = place;
    } else {
      head.base.push_back({place, place, Record()});
    }
  }
  return head;
}

bool rebuild(const Head& head, const RecordStore& file, RecordStore& into) {
  if (file.count() != head.file_records) return false;
  for (const BaseRun& run : head.base) {
    if (run.first == 0) {
      into.append(run.record);
      continue;
    }
    if (run.last > file.count()) return false;
    for (long n = run.first; n <= run.last; ++n) copy_record(file, file.read(n), into);
  }
  return into.count() == head.records && records_hash(into) == head.records_hash;
}

Replayed replay(const std::vector<JournalEntry>& entries, RecordStore& store, ChangeJournal& journal) {
  Replayed replayed;
  std::vector<StoreStep> action;
  bool fits = true;
  for (const JournalEntry& e : entries) {
    if (e.kind == JournalEntry::Kind::kStep) {
      action.push_back(e.step);
      continue;
    }
    ++replayed.actions;
    if (fits) {
      switch (e.kind) {
        case JournalEntry::Kind::kUndo: fits = journal.undo(store); break;
        case JournalEntry::Kind::kRedo: fits = journal.redo(store); break;
        default: fits = apply_steps_checked(store, action); break;
      }
      journal.end_action();
      replayed.applied += fits;
    }
    action.clear();
  }
  return replayed;
}

}  // namespace plv::recovery
