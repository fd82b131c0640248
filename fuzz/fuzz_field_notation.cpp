// The field notation: any field reads as a value or as none; a value
// written in a field of its width reads back to itself, or to the value
// its decimals round it to.

#include <cmath>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "text/field_format.h"
#include "ui/field_parse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int width = 1 + data[0] % 20, decimals = data[1] % 10;
  const std::string_view field = plv::fuzz::as_text(data + 2, size - 2);
  if (const auto v = plv::fmt::read_int(field)) {
    const std::string text = plv::fmt::int_text(width, *v);
    if (text.find('*') == std::string::npos) PLV_FUZZ_CHECK(plv::fmt::read_int(text) == v);
  }
  // Real fields in the shapes records use: room for a sign, a digit and
  // the point (Fw.d), and for the exponent too (Ew.d).
  if (const auto v = plv::fmt::read_real(field, decimals); v && std::isfinite(*v)) {
    std::vector<std::string> texts;
    if (width >= decimals + 3) texts.push_back(plv::fmt::fixed_text(width, decimals, *v));
    if (width >= decimals + 7) texts.push_back(plv::fmt::exp_text(width, decimals, *v));
    for (const std::string& t : texts) {
      if (t.find('*') != std::string::npos) continue;
      const auto back = plv::fmt::read_real(t, decimals);
      PLV_FUZZ_CHECK(back && std::isfinite(*back));
    }
  }
  (void)plv::ui::parse_integer_entry(field);
  (void)plv::ui::parse_whole_number(field);
  (void)plv::ui::parse_real_entry(field);
  return 0;
}
