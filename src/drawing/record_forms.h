#pragma once
// A record's two forms: the file form (graphics command files, whole units)
// and the stored form (drawing and buffer stores, reals). What each code
// does in each form is its kind's business; the graphics command file asks
// through RecordForms.

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "drawing/colour_track.h"
#include "drawing/record.h"

namespace plv {

// Why a record could not be converted.
enum class ConversionProblem {
  kNone,
  kUnreadable,  // a numeric field holds something that is not a number
  kDoesNotFit,  // a value is too large for the field of the file form
};

struct StoredConversion {
  Record record;
  std::string problem;  // empty when the line was read; otherwise why not
  bool ok() const { return problem.empty(); }
};

struct FileConversion {
  Record line;  // blank: the record is not written
  ConversionProblem kind = ConversionProblem::kNone;
  std::string problem;  // what went wrong, naming the columns
  bool ok() const { return kind == ConversionProblem::kNone; }
};

// How writing a graphics command file treats a stored record.
enum class FileRole {
  kConverted,    // converted to the file form and written
  kColourMode,   // the same, for a record that chooses the colour mode
  kColourRun,    // only the last of a run of these is written, before what follows
  kLayerRun,     // the same, for layer records
  kNotWritten,   // removed and empty records
};

class RecordForms {
 public:
  virtual ~RecordForms() = default;
  // One file line (cut or padded to 122 columns) to its stored record.
  virtual StoredConversion to_stored(std::string_view file_line) const = 0;
  // One stored record to its file line, padded to 122 columns.
  virtual FileConversion to_file(const Record& stored) const = 0;
  virtual FileRole file_role(const Record& stored) const = 0;
  // Whether a colour record sets the colour where it stands, given the
  // drawing's colour mode so far, which `track` follows.
  virtual bool sets_colour(const Record& stored, ColourTrack& track) const = 0;
};

std::string columns_text(Columns c);  // "columns 3-8"
std::string unreadable(std::string_view what, Columns c);

// Numbers go into real fields as they are and into integer fields rounded;
// false when the value does not fit.
inline bool put_number(Record& r, RealField f, double v) { return r.put(f, v); }
inline bool put_number(Record& r, IntField f, double v) { return r.put_rounded(f, v); }
std::string does_not_fit(double value, Columns c);

// Copies numeric fields of `in` into other fields of `out`; false with a
// problem when one cannot be read or does not fit.
template <class From, class To, size_t N>
bool copy_numbers(const Record& in, const std::array<From, N>& from, const std::array<To, N>& to, Record& out,
                  std::string& problem, ConversionProblem* kind = nullptr) {
  for (size_t i = 0; i < N; ++i) {
    const auto v = in.get(from[i]);
    if (!v) {
      problem = unreadable("coordinate", from[i].at);
      if (kind) *kind = ConversionProblem::kUnreadable;
      return false;
    }
    if (!put_number(out, to[i], static_cast<double>(*v))) {
      problem = does_not_fit(static_cast<double>(*v), to[i].at);
      if (kind) *kind = ConversionProblem::kDoesNotFit;
      return false;
    }
  }
  return true;
}

}  // namespace plv
