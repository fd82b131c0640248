#pragma once
// The one place that maps a record code to its kind. Everything that goes
// through the records (reading and writing files, redraw, extent, and the
// menus) asks here, never comparing codes itself.

#include <string_view>

#include "drawing/record_forms.h"
#include "kinds/kind.h"

namespace plv {

class Registry final : public RecordForms {
 public:
  const Kind& kind_of(const Record& record) const { return of_code(record.code()); }
  const Kind& of_code(std::string_view code) const;

  // A record that could not be converted comes back blank, with the problem.
  StoredConversion to_stored(std::string_view file_line) const override;
  FileConversion to_file(const Record& stored) const override;
  FileRole file_role(const Record& stored) const override { return kind_of(stored).file_role(stored); }
  bool sets_colour(const Record& stored, ColourTrack& track) const override;
};

// The registry of every kind; it holds no state.
const Registry& kinds();

// The record as the drawing will hold it once written and read back: its
// values rounded as its file form rounds them, so that what is drawn now
// is what the file draws. Unchanged when it has no file form or does not
// fit one.
Record as_written(const Record& stored);

// One file line (cut or padded to 122 columns) to its stored record, and
// back; codes outside the drawing's vocabulary give a blank record.
StoredConversion to_stored_form(std::string_view file_line);
FileConversion to_file_form(const Record& stored);

}  // namespace plv
