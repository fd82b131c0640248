#include "drawing/record_convert.h"

#include <cstdio>

#include "drawing/record_layout.h"

namespace plv {
namespace {

namespace L = layout;

bool one_of(std::string_view code, std::initializer_list<std::string_view> codes) {
  for (std::string_view c : codes)
    if (code == c) return true;
  return false;
}

bool is_two_point(std::string_view code) { return one_of(code, {"LI", "AR", "BR", "BX", "LW"}); }
bool is_same_in_both_forms(std::string_view code) {
  return code == "  " || one_of(code, {"DE", "EL", "LA", "CM", "SC", "QF"});
}

std::string columns_text(Columns c) { return "columns " + std::to_string(c.first) + "-" + std::to_string(c.last()); }

std::string unreadable(std::string_view what, Columns c) {
  return "cannot read the " + std::string(what) + " in " + columns_text(c);
}

std::string number_text(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", v);
  return text;
}

// Numbers go into real fields as they are and into integer fields rounded;
// false when the value does not fit.
bool put_number(Record& r, RealField f, double v) { return r.put(f, v); }
bool put_number(Record& r, IntField f, double v) { return r.put_rounded(f, v); }

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
      problem = "the value " + number_text(static_cast<double>(*v)) + " does not fit " + columns_text(to[i].at);
      if (kind) *kind = ConversionProblem::kDoesNotFit;
      return false;
    }
  }
  return true;
}

// The "ST" tail rearranged as a "CH" tail: direction 0, text two columns on.
std::string old_string_tail_as_new(std::string_view tail) {
  namespace T = L::old_string_tail;
  Record t(tail);  // a scratch line holding the 88 tail characters from column 1
  const std::string kept(t.text(T::kTextKept));
  t.put_text(T::kTextKeptTo, kept);
  t.put_text(T::kDirection, "0");
  t.blank_out(T::kBlanked);
  return std::string(t.text(T::kWhole));
}

}  // namespace

StoredConversion to_stored_form(std::string_view file_line) {
  const Record line(file_line);
  const std::string_view code = line.code();
  StoredConversion result;
  Record& out = result.record;

  if (is_same_in_both_forms(code)) {
    out = line;
  } else if (is_two_point(code)) {
    out.put_text(L::kCode, code);
    if (copy_numbers(line, L::file::two_point::kPoints, L::stored::two_point::kPoints, out, result.problem))
      out.put_text(L::stored::two_point::kTail, line.text(L::file::two_point::kTail));
  } else if (code == "CI") {
    out.put_text(L::kCode, code);
    copy_numbers(line, L::file::circle::kValues, L::stored::circle::kValues, out, result.problem);
  } else if (code == "CH" || code == "ST") {
    out.put_text(L::kCode, "CH");
    const std::array<IntField, 2> from{L::file::string::kX, L::file::string::kY};
    const std::array<RealField, 2> to{L::stored::string::kX, L::stored::string::kY};
    if (copy_numbers(line, from, to, out, result.problem)) {
      const std::string_view tail = line.text(L::file::string::kTail);
      out.put_text(L::stored::string::kTail, code == "ST" ? old_string_tail_as_new(tail) : std::string(tail));
    }
  } else if (code == "RB" || code == "RF") {
    out.put_text(L::kCode, code);
    if (copy_numbers(line, L::file::box::kPoints, L::stored::box::kPoints, out, result.problem) && code == "RF") {
      const auto flags = line.get(L::file::box::kEdgeFlags);
      if (flags) out.put(L::stored::box::kEdgeFlags, *flags);
      else result.problem = unreadable("edge flags", L::file::box::kEdgeFlags.at);
    }
  }
  // Any other code: the record stays blank.
  if (result.ok() && (code == "RB" || code == "RF")) {
    // Reals read here may be larger than the file form holds: refuse what
    // could not be written back.
    const FileConversion back = to_file_form(result.record);
    if (!back.ok()) result.problem = back.problem;
  }
  if (!result.ok()) result.record = Record();
  return result;
}

FileConversion to_file_form(const Record& stored) {
  const std::string_view code = stored.code();
  FileConversion result;
  Record& out = result.line;
  if (is_same_in_both_forms(code)) {
    out = stored;
  } else if (is_two_point(code)) {
    out.put_text(L::kCode, code);
    copy_numbers(stored, L::stored::two_point::kPoints, L::file::two_point::kPoints, out, result.problem, &result.kind);
    out.put_text(L::file::two_point::kTail, stored.text(L::stored::two_point::kTail));
  } else if (code == "CI") {
    out.put_text(L::kCode, code);
    copy_numbers(stored, L::stored::circle::kValues, L::file::circle::kValues, out, result.problem, &result.kind);
  } else if (code == "CH" || code == "ST") {
    if (stored.blank_in(L::stored::string::kWholeTail)) return result;
    out.put_text(L::kCode, code);
    const std::array<RealField, 2> from{L::stored::string::kX, L::stored::string::kY};
    const std::array<IntField, 2> to{L::file::string::kX, L::file::string::kY};
    copy_numbers(stored, from, to, out, result.problem, &result.kind);
    out.put_text(L::file::string::kWholeTail, stored.text(L::stored::string::kWholeTail));
  } else if (code == "RB" || code == "RF") {
    out.put_text(L::kCode, code);
    if (copy_numbers(stored, L::stored::box::kPoints, L::file::box::kPoints, out, result.problem, &result.kind) &&
        code == "RF") {
      const auto flags = stored.get(L::stored::box::kEdgeFlags);
      if (!flags) {
        result.problem = unreadable("edge flags", L::stored::box::kEdgeFlags.at);
        result.kind = ConversionProblem::kUnreadable;
      } else if (!out.put(L::file::box::kEdgeFlags, *flags)) {
        result.problem = "the edge flags " + std::to_string(*flags) + " do not fit " +
                         columns_text(L::file::box::kEdgeFlags.at);
        result.kind = ConversionProblem::kDoesNotFit;
      }
    }
  }
  if (!result.ok()) result.line = Record();
  return result;
}

}  // namespace plv
