#include "drawing/record.h"

#include "text/fixed_text.h"

#include <algorithm>
#include <cstring>

#include "text/field_format.h"
#include "drawing/record_layout.h"

namespace plv {

Record::Record(std::string_view line) {
  const size_t n = std::min(line.size(), chars_.size());
  std::memcpy(chars_.data(), line.data(), n);
  std::fill(chars_.begin() + static_cast<long>(n), chars_.end(), ' ');
}

bool Record::is_blank() const {
  return std::all_of(chars_.begin(), chars_.end(), [](char c) { return c == ' '; });
}

std::string_view Record::text(Columns c) const { return {at(c), static_cast<size_t>(c.width)}; }

std::string_view Record::trimmed() const { return text::trimmed_right(text()); }

bool Record::blank_in(Columns c) const { return text::is_blank(text(c)); }

void Record::put_text(Columns c, std::string_view s) { fmt::write_text(at(c), c.width, s); }

std::optional<long long> Record::get(IntField f) const { return fmt::read_int(text(f.at)); }

std::optional<double> Record::get(RealField f) const { return fmt::read_real(text(f.at), f.decimals); }

bool Record::put(IntField f, long long value) {
  fmt::write_int(at(f.at), f.at.width, value);
  return holds_number(f.at);
}

bool Record::put(RealField f, double value) {
  if (f.form == RealField::Exponent) fmt::write_exp(at(f.at), f.at.width, f.decimals, value);
  else fmt::write_fixed(at(f.at), f.at.width, f.decimals, value);
  return holds_number(f.at);
}

bool Record::put_rounded(IntField f, double value) {
  fmt::write_rounded_int(at(f.at), f.at.width, value);
  return holds_number(f.at);
}

}  // namespace plv
