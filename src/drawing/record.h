#pragma once
// A graphics command record: always 122 characters, blank padded, led by a
// two-letter code. Fields are addressed by the column descriptors of
// record_layout.h, never by ad-hoc offsets.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "text/columns.h"

namespace plv {

inline constexpr int kRecordLength = 122;


class Record {
 public:
  Record() { chars_.fill(' '); }
  // A line cut at 122 characters or padded with blanks.
  explicit Record(std::string_view line);

  std::string_view code() const { return {chars_.data(), 2}; }
  bool has_code(std::string_view code) const { return this->code() == code; }
  bool is_blank() const;

  std::string_view text() const { return {chars_.data(), chars_.size()}; }
  std::string_view text(Columns c) const;
  // The record up to its last non-blank character.
  std::string_view trimmed() const;
  bool blank_in(Columns c) const;

  void put_text(Columns c, std::string_view s);  // Aw: cut or blank padded
  void blank_out(Columns c) { put_text(c, {}); }

  std::optional<long long> get(IntField f) const;
  std::optional<double> get(RealField f) const;
  // Each returns false when the value does not fit and the field was
  // filled with asterisks.
  bool put(IntField f, long long value);
  bool put(RealField f, double value);
  // A real written in an integer field, rounded halves away from zero.
  bool put_rounded(IntField f, double value);

  char* data() { return chars_.data(); }
  const char* data() const { return chars_.data(); }

  bool operator==(const Record&) const = default;

 private:
  bool holds_number(Columns c) const { return text(c).find('*') == std::string_view::npos; }
  char* at(Columns c) { return chars_.data() + (c.first - 1); }
  const char* at(Columns c) const { return chars_.data() + (c.first - 1); }

  std::array<char, kRecordLength> chars_;
};

}  // namespace plv
