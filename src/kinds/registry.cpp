#include "kinds/registry.h"

#include <array>

#include "kinds/colour.h"
#include "kinds/kind_list.h"

namespace plv {
namespace {

// Empty records are kept as they are and never written.
class BlankKind final : public Kind {
 public:
  FileRole file_role(const Record&) const override { return FileRole::kNotWritten; }
};

// Another program's records: read as empty ones, nothing written.
class UnknownKind final : public Kind {
 public:
  StoredConversion to_stored(const Record&) const override { return {}; }
  FileConversion to_file(const Record&) const override { return {}; }
};

struct Entry {
  std::string_view code;
  const Kind& (*kind)();
};

constexpr std::array<Entry, 18> kEntries{{
    {"LI", line_kind},
    {"SC", colour_kind},
    {"LA", layer_kind},
    {"CH", string_kind},
    {"CM", comment_kind},
    {"DE", deleted_kind},
    {"AR", arrow_kind},
    {"LW", wide_line_kind},
    {"BR", bracket_kind},
    {"BX", box_kind},
    {"RB", rectangular_box_kind},
    {"RF", filled_rectangle_kind},
    {"QF", filled_quadrilateral_kind},
    {"CI", circle_kind},
    {"EL", ellipse_kind},
    {"ST", string_kind},
    {"XX", removed_kind},
    {"  ", blank_kind},
}};

}  // namespace

const Kind& blank_kind() {
  static const BlankKind kind;
  return kind;
}

const Kind& unknown_kind() {
  static const UnknownKind kind;
  return kind;
}

// Codes as two-byte numbers, so that finding one is a few integer compares.
constexpr unsigned key(std::string_view code) {
  return static_cast<unsigned>(static_cast<unsigned char>(code[0])) << 8 | static_cast<unsigned char>(code[1]);
}

const Kind& Registry::of_code(std::string_view code) const {
  if (code.size() != 2) return unknown_kind();
  const unsigned wanted = key(code);
  for (const Entry& e : kEntries)
    if (key(e.code) == wanted) return e.kind();
  return unknown_kind();
}

StoredConversion Registry::to_stored(std::string_view file_line) const {
  const Record line(file_line);
  StoredConversion c = kind_of(line).to_stored(line);
  if (!c.ok()) c.record = Record();
  return c;
}

FileConversion Registry::to_file(const Record& stored) const {
  FileConversion c = kind_of(stored).to_file(stored);
  if (!c.ok()) c.line = Record();
  return c;
}

bool Registry::sets_colour(const Record& stored, ColourTrack& track) const { return plv::sets_colour(stored, track); }

const Registry& kinds() {
  static const Registry registry;
  return registry;
}

Record as_written(const Record& stored) {
  const FileConversion line = kinds().to_file(stored);
  if (!line.ok() || line.line.is_blank()) return stored;
  const StoredConversion back = kinds().to_stored(line.line.text());
  return back.ok() ? back.record : stored;
}

StoredConversion to_stored_form(std::string_view file_line) { return kinds().to_stored(file_line); }
FileConversion to_file_form(const Record& stored) { return kinds().to_file(stored); }

}  // namespace plv
