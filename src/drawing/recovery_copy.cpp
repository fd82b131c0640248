#include "drawing/recovery_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "text/line_reader.h"

namespace plv {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMagic = "PLIVET RECOVERY 1";
constexpr char kTab = '\t';

// Tabs separate the fields of a line; a record's tabs, line ends, other
// control characters and percent signs are written as %XX.
std::string encoded(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == '%' || c == 0x7f) {
      static constexpr char kHex[] = "0123456789ABCDEF";
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += ch;
    }
  }
  return out;
}

std::optional<std::string> decoded(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const std::string hex(text.substr(i + 1, 2));
    char* end = nullptr;
    const long v = std::strtol(hex.c_str(), &end, 16);
    if (hex.size() != 2 || *end != '\0') return std::nullopt;
    out += static_cast<char>(v);
    i += 2;
  }
  return out;
}

std::vector<std::string_view> fields_of(std::string_view line) {
  std::vector<std::string_view> fields;
  for (size_t start = 0;;) {
    const size_t tab = line.find(kTab, start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::string identity_text(const std::optional<FileIdentity>& id) {
  if (!id) return "NEW";
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(id->content_hash));
  return std::to_string(id->size) + kTab + std::to_string(id->modified_ns) + kTab + hash;
}

std::optional<FileIdentity> identity_from(const std::vector<std::string_view>& f) {
  if (f.size() != 4 || f[0] != "FILE") return std::nullopt;
  FileIdentity id;
  try {
    id.size = std::stoull(std::string(f[1]));
    id.modified_ns = std::stoll(std::string(f[2]));
    id.content_hash = std::stoull(std::string(f[3]), nullptr, 16);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  return id;
}

char step_letter(StoreStep::Kind kind) {
  switch (kind) {
    case StoreStep::Kind::kWrite: return 'W';
    case StoreStep::Kind::kAppend: return 'A';
    case StoreStep::Kind::kDrop: return 'D';
    case StoreStep::Kind::kInsert: return 'I';
    case StoreStep::Kind::kRemove: return 'R';
  }
  return 'W';
}

std::optional<StoreStep> step_from(const std::vector<std::string_view>& f) {
  if (f.size() != 5 || f[0] != "S" || f[1].size() != 1) return std::nullopt;
  StoreStep step;
  if (f[1] == "W") step.kind = StoreStep::Kind::kWrite;
  else if (f[1] == "A") step.kind = StoreStep::Kind::kAppend;
  else if (f[1] == "D") step.kind = StoreStep::Kind::kDrop;
  else if (f[1] == "I") step.kind = StoreStep::Kind::kInsert;
  else if (f[1] == "R") step.kind = StoreStep::Kind::kRemove;
  else return std::nullopt;
  try {
    step.number = std::stol(std::string(f[2]));
  } catch (const std::exception&) {
    return std::nullopt;
  }
  const auto before = decoded(f[3]), after = decoded(f[4]);
  if (!before || !after || before->size() != kRecordLength || after->size() != kRecordLength) return std::nullopt;
  step.before = Record(*before);
  step.after = Record(*after);
  return step;
}

}  // namespace

std::optional<FileIdentity> identity_of(const fs::path& file) {
  std::error_code ec;
  const auto size = fs::file_size(file, ec);
  if (ec) return std::nullopt;
  const auto modified = fs::last_write_time(file, ec);
  if (ec) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  // FNV-1a over the bytes: cheap, and any change to the file changes it.
  std::uint64_t hash = 14695981039346656037ull;
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    for (std::streamsize i = 0; i < in.gcount(); ++i) hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ull;
    if (!in) break;
  }
  return FileIdentity{size, static_cast<std::int64_t>(modified.time_since_epoch().count()), hash};
}

fs::path recovery_folder() {
  if (const char* own = std::getenv("PLIVET_STATE_DIR"); own && *own) return own;
  // A relative value is to be ignored, as the XDG rules say.
  if (const char* state = std::getenv("XDG_STATE_HOME"); state && fs::path(state).is_absolute())
    return fs::path(state) / "plivet";
  if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".local" / "state" / "plivet";
  return fs::temp_directory_path() / "plivet-state";
}

fs::path journal_path(const fs::path& folder, const fs::path& drawing) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : drawing.string()) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  char name[64];
  std::snprintf(name, sizeof name, "%016llx.journal", static_cast<unsigned long long>(hash));
  return folder / (drawing.filename().string() + "-" + name);
}

std::optional<FoundJournal> read_journal(const fs::path& file) {
  LineReader in(file.string());
  if (!in.ok()) return std::nullopt;
  FoundJournal found;
  std::string_view line;
  if (!in.next(line) || line != kMagic) return std::nullopt;
  if (!in.next(line) || !line.starts_with("DRAWING\t")) return std::nullopt;
  const auto drawing = decoded(std::string_view(line).substr(8));
  if (!drawing) return std::nullopt;
  found.drawing = *drawing;
  if (!in.next(line)) return std::nullopt;
  if (line != "FILE\tNEW") {
    found.identity = identity_from(fields_of(line));
    if (!found.identity) return std::nullopt;
  }
  std::vector<JournalEntry> action;  // steps not yet ended: a torn action is left out
  while (in.next(line)) {
    const auto f = fields_of(line);
    if (f.size() == 1 && f[0] == "E") {
      found.entries.insert(found.entries.end(), action.begin(), action.end());
      action.clear();
      found.entries.push_back({JournalEntry::Kind::kActionEnd, {}});
      ++found.actions;
      continue;
    }
    const auto step = step_from(f);
    if (!step) break;  // a line cut short by the end: what follows is not trusted
    action.push_back({JournalEntry::Kind::kStep, *step});
  }
  return found;
}

bool journal_in_use(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(fd);  // any lock taken here goes with it
  return locked;
}

namespace {

// Whether the step can be made on a store of `count` records; the count
// it leaves.
bool fits(const StoreStep& s, long& count) {
  switch (s.kind) {
    case StoreStep::Kind::kAppend: ++count; return true;
    case StoreStep::Kind::kDrop: return count > 0 && count--;
    case StoreStep::Kind::kInsert: return s.number >= 1 && s.number <= count + 1 && ++count;
    case StoreStep::Kind::kRemove: return s.number >= 1 && s.number <= count && count--;
    case StoreStep::Kind::kWrite: return s.number >= 1 && s.number <= count;
  }
  return false;
}

}  // namespace

void replay(const FoundJournal& found, RecordStore& store, ChangeJournal& journal) {
  std::vector<StoreStep> action;
  long count = store.count();
  for (const JournalEntry& e : found.entries) {
    if (e.kind == JournalEntry::Kind::kStep) {
      if (fits(e.step, count)) action.push_back(e.step);
      continue;
    }
    apply_steps(store, action);
    action.clear();
    journal.end_action();
  }
  apply_steps(store, action);
}

RecoveryCopy::RecoveryCopy(ChangeJournal& journal) : journal_(journal) {
  ChangeJournal::Listener l;
  l.step = [this](const StoreStep& s) {
    std::string line = "S";
    line += kTab;
    line += step_letter(s.kind);
    line += kTab + std::to_string(s.number) + kTab + encoded(s.before.text()) + kTab + encoded(s.after.text());
    note(std::move(line));
  };
  l.action_ended = [this] { note("E"); };
  journal_.listen(std::move(l));
}

RecoveryCopy::~RecoveryCopy() {
  journal_.listen({});
  if (fd_ >= 0) ::close(fd_);
}

void RecoveryCopy::note(std::string line) {
  if (file_.empty()) return;
  waiting_ += line;
  waiting_ += '\n';
}

void RecoveryCopy::start(fs::path journal_file, fs::path drawing, std::optional<FileIdentity> identity) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  waiting_.clear();
  file_ = std::move(journal_file);
  drawing_ = std::move(drawing);
  identity_ = identity;
  error_.clear();
}

void RecoveryCopy::stop() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!file_.empty()) {
    std::error_code ignored;
    fs::remove(file_, ignored);
  }
  file_.clear();
  waiting_.clear();
}

bool RecoveryCopy::open_file() {
  std::error_code ec;
  fs::create_directories(file_.parent_path(), ec);
  fd_ = ::open(file_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  if (fd_ < 0) {
    error_ = file_.string() + ": " + std::strerror(errno);
    return false;
  }
  // Held while the drawing is open: a second plivet on the same drawing
  // neither adds to this journal nor takes it for one left behind.
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    error_ = "another plivet keeps the changes to this drawing in " + file_.string();
    ::close(fd_);
    fd_ = -1;
    return false;
  }
  struct stat st {};
  if (::fstat(fd_, &st) == 0 && st.st_size == 0) {
    const std::string header = std::string(kMagic) + "\nDRAWING\t" + encoded(drawing_.string()) + "\nFILE\t" +
                               identity_text(identity_) + "\n";
    waiting_.insert(0, header);
  }
  return true;
}

void RecoveryCopy::flush() {
  if (file_.empty() || waiting_.empty() || !error_.empty()) return;
  if (fd_ < 0 && !open_file()) return;
  const char* at = waiting_.data();
  size_t left = waiting_.size();
  while (left > 0) {
    const ssize_t n = ::write(fd_, at, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error_ = file_.string() + ": " + std::strerror(errno);
      return;
    }
    at += n;
    left -= static_cast<size_t>(n);
  }
  waiting_.clear();
  ::fdatasync(fd_);  // kept through a power cut, not only a killed program
}

}  // namespace plv
