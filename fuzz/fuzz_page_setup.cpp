// The Page Setup and Pen Width fields: any text reads as a value or is
// refused; a value read shows as text that reads back to it.

#include <array>

#include "fuzz_input.h"
#include "host/page_setup_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = plv::fuzz::as_text(data, size);
  std::array<std::string_view, 3> fields{};
  size_t start = 0;
  for (size_t k = 0; k < fields.size(); ++k) {
    const size_t end = std::min(text.find('\n', start), text.size());
    fields[k] = start < text.size() ? text.substr(start, end - start) : std::string_view();
    start = end + 1;
  }
  if (const auto inches = plv::host::parse_inches(fields[0])) {
    const std::string shown = plv::host::format_inches(*inches);
    PLV_FUZZ_CHECK(plv::host::parse_inches(shown) == inches);
    for (const int direction : {-1, 1}) (void)plv::host::step_inches(*inches, direction, 0);
  }
  (void)plv::host::read_page_setup(fields[0], fields[1], fields[2], plv::host::PageSetup{});
  if (const auto width = plv::host::parse_pen_width(fields[0])) (void)plv::host::step_pen_width(*width, 1);
  (void)plv::host::read_pen_widths(fields[0], fields[1], fields[2]);
  return 0;
}
