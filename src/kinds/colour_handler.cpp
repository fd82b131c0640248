#include "kinds/colour_handler.h"

#include <array>
#include <cmath>
#include <string>

#include "text/field_format.h"
#include "drawing/record_layout.h"
#include "kernel/kernel.h"

namespace plv {
namespace {

namespace C = layout::stored::colour;

struct ModeName {
  std::string_view name;
  int mode;
};
constexpr std::array<ModeName, 8> kModeNames{{{"MONO ", kMono}, {"BAR  ", kBar}, {"RGB  ", kRgb}, {"GREY ", kGrey},
                                               {"CIRCL", kCircl}, {"HOT  ", kHot}, {"HOTPJ", kHotPj}, {"HOTIR", kHotIron}}};

constexpr int kMaxRgbLevel = 63;
constexpr float kRgbLevels = 64.0f;  // 0-63 levels as fractions, as the palettes store them

// The 5-column number after the scale errors: the value read, rounded.
std::string number_field(const std::optional<double>& value) {
  if (!value) return std::string(5, ' ');
  std::string s(5, ' ');
  fmt::write_rounded_int(s.data(), 5, *value);
  return s;
}

}  // namespace

bool is_palette_colour(const Record& r) {
  const auto colour = r.get(C::kBarColour);
  return r.has_code("SC") && r.text(C::kKeyword) == "BAR  " && colour && *colour >= 0 && *colour <= 15;
}

void ColourHandler::report(void (ColourMessages::*form)(std::string_view), std::string_view text) {
  kernel_.tekflush(1);
  (messages_.*form)(text);
  kernel_.gkpage(1);
}

void ColourHandler::report_two_lines(std::string_view first, std::string_view second) {
  kernel_.tekflush(1);
  messages_.two_lines_and_wait(first, second);
  kernel_.gkpage(1);
}

void ColourHandler::apply(const Record& record) {
  state_.last_colour = record;
  const std::string_view keyword = record.text(C::kKeyword);
  if (keyword == "MODE ") return select_mode(record);
  if (keyword == "BAR  ") {
    const auto n = record.get(C::kBarColour);
    if (n == 7 || n == 0) {  // white and black are always allowed, mode or not
      kernel_.gkcolor(static_cast<int>(*n));
      return;
    }
    bar_colour(record);
  } else if (keyword == "RGB  ") {
    rgb_colour(record);
  } else if (keyword == "GREY ") {
    grey_colour(record);
  } else if (keyword == "CIRCL") {
    scale_colour(record, 1);
  } else if (keyword == "HOT  ") {
    scale_colour(record, 2);
  } else if (keyword == "IRON ") {
    scale_colour(record, 3);
  } else if (keyword == "DEFAU") {
    kernel_.gkcolor(7);
  }
  if (!state_.mode_seen)
    report_two_lines("ERROR > ATTEMPT TO SET A COLOR WITHOUT", "        PREVIOUSLY SETTING A COLOR MODE.");
}

void ColourHandler::select_mode(const Record& record) {
  int mode = -1;
  for (const ModeName& m : kModeNames)
    if (record.text(C::kModeName) == m.name) mode = m.mode;
  if (mode < 0) {
    report(&ColourMessages::error_and_wait, "ERROR >> UNRECOGNISED COLOR MODE");
    mode = kMono;
  }
  if (state_.mode_seen && mode != state_.colour_mode) {
    kernel_.tekflush(0);
    messages_.two_lines_and_wait("FATAL ERROR>>  INPUT FILE CONTAINS MORE",
                                 "               THAN ONE \"SC MODE\" COMMAND");
    messages_.shutdown();
  }
  state_.colour_mode = mode;
  state_.mode_seen = true;
  kernel_.lcmode(mode);
  kernel_.gkcolor(7);
}

void ColourHandler::bar_colour(const Record& record) {
  const auto n = record.get(C::kBarColour);
  if (!state_.mode_seen) {
    state_.colour_mode = kBar;
    state_.mode_seen = true;
    kernel_.lcmode(kBar);
  }
  if (state_.colour_mode == kBar) {
    if (n && *n >= 0 && *n <= 15) kernel_.gkcolor(static_cast<int>(*n));
  } else if (state_.colour_mode == kHotPj) {
    if (n == 8) kernel_.gkcolor(8);
    else report(&ColourMessages::note_and_wait, "ILLEGAL SC BAR COMMAND IN HOTPJ MODE");
  } else {
    report(&ColourMessages::note_and_wait,
           "ERROR> ILLEGAL \"SC BAR\" COMMAND NUMBER " + (n ? fmt::int_text(5, *n) : std::string(5, ' ')));
  }
}

void ColourHandler::rgb_colour(const Record& record) {
  if (state_.colour_mode != kRgb) return report(&ColourMessages::note_and_wait, "ERROR> ILLEGAL \"SC RGB\" COMMAND");
  std::array<long long, 3> level{};
  for (size_t i = 0; i < 3; ++i) {
    const auto v = record.get(C::kRgb[i]);
    if (!v || *v < 0 || *v > kMaxRgbLevel) return;  // out of range: ignored
    level[i] = *v;
  }
  kernel_.gkrgb(static_cast<float>(level[0]) / kRgbLevels, static_cast<float>(level[1]) / kRgbLevels,
                static_cast<float>(level[2]) / kRgbLevels);
}

void ColourHandler::grey_colour(const Record& record) {
  if (state_.colour_mode != kGrey) return report(&ColourMessages::note_and_wait, "ERROR> ILLEGAL \"SC GREY\" COMMAND");
  if (const auto n = record.get(C::kGreyAsRead)) kernel_.gkgrey(static_cast<int>(*n));
}

void ColourHandler::scale_colour(const Record& record, int scale) {
  const RealField field = scale == 1 ? C::kCirclValue : scale == 2 ? C::kHotValue : C::kIronValue;
  const auto v = record.get(field);
  const bool mode_fits = scale == 1   ? state_.colour_mode == kCircl
                         : scale == 2 ? (state_.colour_mode == kHot || state_.colour_mode == kHotPj)
                                      : state_.colour_mode == kHotIron;
  if (!mode_fits) {
    const std::string text = scale == 1   ? "ERROR> ILLEGAL \"SC CIRCLE\" COMMAND"
                             : scale == 2 ? "ERROR> ILLEGAL \"SC HOT\" COMMAND NUMBER=" + number_field(v)
                                          : "ERROR> ILLEGAL \"SC IRON\" COMMAND NUMBER=" + number_field(v);
    return report(&ColourMessages::note_and_wait, text);
  }
  const double low = scale == 1 ? -1.0 : 0.0;
  if (v && *v >= low && *v <= 1.0) kernel_.gkscale(scale, static_cast<float>(*v));
}

}  // namespace plv
