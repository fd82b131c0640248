#include "kinds/colour.h"

#include <array>
#include <cmath>
#include <string>

#include "drawing/record_layout.h"
#include "kinds/kind_list.h"
#include "kinds/painter.h"
#include "text/field_format.h"

namespace plv {
namespace {

namespace C = layout::stored::colour;

struct ModeName {
  std::string_view name;
  ColourMode mode;
};
constexpr std::array<ModeName, 8> kModeNames{{{"MONO ", ColourMode::kMono},
                                               {"BAR  ", ColourMode::kBar},
                                               {"RGB  ", ColourMode::kRgb},
                                               {"GREY ", ColourMode::kGrey},
                                               {"CIRCL", ColourMode::kCircl},
                                               {"HOT  ", ColourMode::kHot},
                                               {"HOTPJ", ColourMode::kHotPj},
                                               {"HOTIR", ColourMode::kHotIron}}};

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

Record palette_colour_record(int colour) {
  Record r;
  r.put_text(layout::kCode, "SC");
  r.put_text(C::kBarKeyword, "BAR");
  r.put(C::kBarColourAsWritten, colour);
  return r;
}

bool is_palette_colour(const Record& r) {
  const auto colour = r.get(C::kBarColour);
  return r.has_code("SC") && r.text(C::kKeyword) == "BAR  " && colour && *colour >= 0 && *colour <= 15;
}

Record bar_mode_record() { return Record("SC MODE BAR"); }

void ColourHandler::report(void (ColourMessages::*form)(std::string_view), std::string_view text) {
  painter_.leave_picture();
  (messages_.*form)(text);
  painter_.resume_picture();
}

void ColourHandler::report_two_lines(std::string_view first, std::string_view second) {
  painter_.leave_picture();
  messages_.two_lines_and_wait(first, second);
  painter_.resume_picture();
}

void ColourHandler::apply(const Record& record) {
  state_.last_colour = record;
  const std::string_view keyword = record.text(C::kKeyword);
  if (keyword == "MODE ") return select_mode(record);
  if (keyword == "BAR  ") {
    const auto n = record.get(C::kBarColour);
    if (n == 7 || n == 0) {  // white and black are always allowed, mode or not
      painter_.colour(static_cast<int>(*n));
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
    painter_.colour(7);
  }
  if (!state_.mode_seen)
    report_two_lines("ERROR > ATTEMPT TO SET A COLOR WITHOUT", "        PREVIOUSLY SETTING A COLOR MODE.");
}

void ColourHandler::select_mode(const Record& record) {
  ColourMode mode = ColourMode::kNone;
  for (const ModeName& m : kModeNames)
    if (record.text(C::kModeName) == m.name) mode = m.mode;
  if (mode == ColourMode::kNone) {
    report(&ColourMessages::error_and_wait, "ERROR >> UNRECOGNISED COLOR MODE");
    mode = ColourMode::kMono;
  }
  if (state_.mode_seen && mode != state_.colour_mode) {
    painter_.show_picture_and_wait();
    messages_.two_lines_and_wait("FATAL ERROR>>  INPUT FILE CONTAINS MORE",
                                 "               THAN ONE \"SC MODE\" COMMAND");
    messages_.shutdown();
  }
  state_.colour_mode = mode;
  state_.mode_seen = true;
  painter_.colour_mode(mode);
  painter_.colour(7);
}

void ColourHandler::bar_colour(const Record& record) {
  const auto n = record.get(C::kBarColour);
  if (!state_.mode_seen) {
    state_.colour_mode = ColourMode::kBar;
    state_.mode_seen = true;
    painter_.colour_mode(ColourMode::kBar);
  }
  if (state_.colour_mode == ColourMode::kBar) {
    if (n && *n >= 0 && *n <= 15) painter_.colour(static_cast<int>(*n));
  } else if (state_.colour_mode == ColourMode::kHotPj) {
    if (n == 8) painter_.colour(8);
    else report(&ColourMessages::note_and_wait, "ILLEGAL SC BAR COMMAND IN HOTPJ MODE");
  } else {
    report(&ColourMessages::note_and_wait,
           "ERROR> ILLEGAL \"SC BAR\" COMMAND NUMBER " + (n ? fmt::int_text(5, *n) : std::string(5, ' ')));
  }
}

void ColourHandler::rgb_colour(const Record& record) {
  if (state_.colour_mode != ColourMode::kRgb) return report(&ColourMessages::note_and_wait, "ERROR> ILLEGAL \"SC RGB\" COMMAND");
  std::array<long long, 3> level{};
  for (size_t i = 0; i < 3; ++i) {
    const auto v = record.get(C::kRgb[i]);
    if (!v || *v < 0 || *v > kMaxRgbLevel) return;  // out of range: ignored
    level[i] = *v;
  }
  painter_.colour_rgb(static_cast<float>(level[0]) / kRgbLevels, static_cast<float>(level[1]) / kRgbLevels,
                static_cast<float>(level[2]) / kRgbLevels);
}

void ColourHandler::grey_colour(const Record& record) {
  if (state_.colour_mode != ColourMode::kGrey) return report(&ColourMessages::note_and_wait, "ERROR> ILLEGAL \"SC GREY\" COMMAND");
  if (const auto n = record.get(C::kGreyAsRead)) painter_.colour_grey(static_cast<int>(*n));
}

void ColourHandler::scale_colour(const Record& record, int scale) {
  const RealField field = scale == 1 ? C::kCirclValue : scale == 2 ? C::kHotValue : C::kIronValue;
  const auto v = record.get(field);
  const bool mode_fits = scale == 1   ? state_.colour_mode == ColourMode::kCircl
                         : scale == 2 ? (state_.colour_mode == ColourMode::kHot || state_.colour_mode == ColourMode::kHotPj)
                                      : state_.colour_mode == ColourMode::kHotIron;
  if (!mode_fits) {
    const std::string text = scale == 1   ? "ERROR> ILLEGAL \"SC CIRCLE\" COMMAND"
                             : scale == 2 ? "ERROR> ILLEGAL \"SC HOT\" COMMAND NUMBER=" + number_field(v)
                                          : "ERROR> ILLEGAL \"SC IRON\" COMMAND NUMBER=" + number_field(v);
    return report(&ColourMessages::note_and_wait, text);
  }
  const double low = scale == 1 ? -1.0 : 0.0;
  if (v && *v >= low && *v <= 1.0) painter_.colour_scale(scale, static_cast<float>(*v));
}

namespace {

bool is_mode_record(const Record& r) { return r.text(C::kKeywordInitial) == "M"; }

class ColourKind final : public Kind {
 public:
  // A mode record goes out where it stands; of a run of colours only the
  // one in force when something else follows is written.
  FileRole file_role(const Record& r) const override { return is_mode_record(r) ? FileRole::kConverted : FileRole::kColourRun; }
  bool act_on_redraw(const Record& r, RedrawContext& c) const override {
    c.colours.apply(r);
    if (r.text(C::kKeywordInitial) != "B") return false;
    c.state.current_colour = r;  // later records are drawn in it
    return true;
  }
};

}  // namespace

const Kind& colour_kind() {
  static const ColourKind kind;
  return kind;
}

}  // namespace plv
