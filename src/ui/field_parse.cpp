#include "ui/field_parse.h"

#include <charconv>
#include <cmath>
#include <string>

#include "ui/field_display.h"
#include "text/fixed_text.h"

namespace plv::ui {
namespace {

constexpr long long kSmallestInteger = -32768;
constexpr long long kLargestInteger = 32767;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The entry without the blanks around it, "0" for a blank entry; nothing
// when a blank lies inside it.
std::optional<std::string> common_entry(std::string_view text) {
  const std::string_view core = text::trimmed(text);
  if (core.empty()) return "0";
  if (core.find(' ') != std::string_view::npos) return std::nullopt;
  return std::string(core);
}

// The spellings the real kinds accept in place of an exponent.
void normalise_real(std::string& s) {
  for (char& c : s)
    if (c == 'e') c = 'E';
  for (std::size_t i = 1; i < s.size(); ++i)
    if (s[i] == '+' && s[i - 1] == 'E') s[i] = '0';
  switch (s.back()) {
    case 'K': s.replace(s.size() - 1, 1, "E3"); break;
    case 'M': s.replace(s.size() - 1, 1, "E6"); break;
    case 'G': s.replace(s.size() - 1, 1, "E9"); break;
    default: break;
  }
}

// [-] digits [. digits] [E [-] digits], with a digit somewhere before the
// exponent: "1000." and ".5", as narrow fixed fields show them, read too.
bool reads_as_real(std::string_view s) {
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t start = i;
    while (i < s.size() && is_digit(s[i])) ++i;
    return i - start;
  };
  if (i < s.size() && s[i] == '-') ++i;
  std::size_t count = digits();
  if (i < s.size() && s[i] == '.') {
    ++i;
    count += digits();
  }
  if (count == 0) return false;
  if (i < s.size() && s[i] == 'E') {
    ++i;
    if (i < s.size() && s[i] == '-') ++i;
    if (digits() == 0) return false;
  }
  return i == s.size();
}

}  // namespace

std::optional<long long> parse_whole_number(std::string_view text) {
  const auto entry = common_entry(text);
  if (!entry) return std::nullopt;
  const std::string& s = *entry;
  const std::size_t first_digit = s[0] == '-' ? 1 : 0;
  if (first_digit == s.size()) return std::nullopt;
  for (std::size_t i = first_digit; i < s.size(); ++i)
    if (!is_digit(s[i])) return std::nullopt;
  long long value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc()) return std::nullopt;
  return value;
}

std::optional<int> parse_integer_entry(std::string_view text) {
  const auto value = parse_whole_number(text);
  if (!value || *value < kSmallestInteger || *value > kLargestInteger) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<float> parse_real_entry(std::string_view text) {
  auto entry = common_entry(text);
  if (!entry) return std::nullopt;
  std::string& s = *entry;
  normalise_real(s);
  if (!reads_as_real(s)) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  const auto single = static_cast<float>(value);
  if (!std::isfinite(single)) return std::nullopt;
  return single;
}

bool take_entry(Field& field, std::string_view typed) {
  switch (field.type.kind) {
    case FieldKind::kText:
      field.text = std::string(typed);
      field.text = display_text(field);
      return true;
    case FieldKind::kInteger: {
      const auto value = parse_integer_entry(typed);
      if (!value) return false;
      field.integer = *value;
      break;
    }
    default: {
      const auto value = parse_real_entry(typed);
      if (!value) return false;
      field.real = *value;
      break;
    }
  }
  field.text = display_text(field);
  return true;
}

}  // namespace plv::ui
