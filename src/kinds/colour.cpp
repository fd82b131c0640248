#include "kinds/colour.h"

#include <array>
#include <cmath>
#include <optional>
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
Record rgb_mode_record() { return Record("SC MODE RGB"); }

Record rgb_colour_record(int red, int green, int blue) {
  Record r;
  r.put_text(layout::kCode, "SC");
  r.put_text(C::kKeyword, "RGB");
  const std::array<int, 3> levels{red, green, blue};
  for (size_t i = 0; i < 3; ++i) r.put(C::kRgb[i], levels[i]);
  return r;
}

void ColourHandler::report(ColourProblem problem) {
  painter_.leave_picture();
  problems_.met(problem);
  painter_.resume_picture();
}

namespace {

std::optional<ColourMode> named_mode(const Record& record) {
  for (const ModeName& m : kModeNames)
    if (record.text(C::kModeName) == m.name) return m.mode;
  return std::nullopt;
}

// White and black are always allowed, mode or not, and choose no mode.
bool is_black_or_white(const Record& record) {
  const auto n = record.get(C::kBarColour);
  return record.text(C::kKeyword) == "BAR  " && (n == 0 || n == 7);
}

// The colour scales: 1 circular, 2 hot, 3 iron; 0 for any other keyword.
int scale_of(std::string_view keyword) {
  return keyword == "CIRCL" ? 1 : keyword == "HOT  " ? 2 : keyword == "IRON " ? 3 : 0;
}

RealField scale_field(int scale) { return scale == 1 ? C::kCirclValue : scale == 2 ? C::kHotValue : C::kIronValue; }

bool scale_fits(int scale, ColourMode mode) {
  if (scale == 1) return mode == ColourMode::kCircl;
  if (scale == 2) return mode == ColourMode::kHot || mode == ColourMode::kHotPj;
  return mode == ColourMode::kHotIron;
}

ColourVerdict judge_mode(const Record& record, ColourTrack& track) {
  const auto named = named_mode(record);
  const ColourMode mode = named.value_or(ColourMode::kMono);
  if (track.mode_seen && mode != track.mode) return ColourVerdict::kModeConflict;
  track = {mode, true};
  return named ? ColourVerdict::kSelectsMode : ColourVerdict::kUnknownMode;
}

ColourVerdict judge_bar(const Record& record, ColourTrack& track) {
  if (is_black_or_white(record)) return ColourVerdict::kSetsColour;
  if (!track.mode_seen) track = {ColourMode::kBar, true};
  const auto n = record.get(C::kBarColour);
  if (track.mode == ColourMode::kBar) return n && *n >= 0 && *n <= 15 ? ColourVerdict::kSetsColour : ColourVerdict::kIgnored;
  if (track.mode == ColourMode::kHotPj && n == 8) return ColourVerdict::kSetsColour;
  return ColourVerdict::kWrongMode;
}

ColourVerdict judge_rgb(const Record& record, const ColourTrack& track) {
  if (track.mode != ColourMode::kRgb) return ColourVerdict::kWrongMode;
  for (const IntField& field : C::kRgb) {
    const auto v = record.get(field);
    if (!v || *v < 0 || *v > kMaxRgbLevel) return ColourVerdict::kIgnored;
  }
  return ColourVerdict::kSetsColour;
}

ColourVerdict judge_scale(const Record& record, int scale, const ColourTrack& track) {
  if (!scale_fits(scale, track.mode)) return ColourVerdict::kWrongMode;
  const auto v = record.get(scale_field(scale));
  const double low = scale == 1 ? -1.0 : 0.0;
  return v && *v >= low && *v <= 1.0 ? ColourVerdict::kSetsColour : ColourVerdict::kIgnored;
}

}  // namespace

ColourVerdict judge_colour(const Record& record, ColourTrack& track) {
  const std::string_view keyword = record.text(C::kKeyword);
  if (keyword == "MODE ") return judge_mode(record, track);
  if (keyword == "BAR  ") return judge_bar(record, track);
  if (keyword == "RGB  ") return judge_rgb(record, track);
  if (keyword == "GREY ") {
    if (track.mode != ColourMode::kGrey) return ColourVerdict::kWrongMode;
    return record.get(C::kGreyAsRead) ? ColourVerdict::kSetsColour : ColourVerdict::kIgnored;
  }
  if (const int scale = scale_of(keyword)) return judge_scale(record, scale, track);
  if (keyword == "DEFAU") return ColourVerdict::kSetsColour;
  return ColourVerdict::kNoColour;
}

ColourVerdict ColourHandler::apply(const Record& record) {
  state_.last_colour = record;
  ColourTrack track{state_.colour_mode, state_.mode_seen};
  const ColourVerdict verdict = judge_colour(record, track);
  if (verdict == ColourVerdict::kSelectsMode || verdict == ColourVerdict::kUnknownMode ||
      verdict == ColourVerdict::kModeConflict) {
    select_mode(record, verdict, track.mode);
    return verdict;
  }
  if (is_black_or_white(record)) {
    painter_.colour(static_cast<int>(*record.get(C::kBarColour)));
    return verdict;
  }
  if (track.mode_seen && !state_.mode_seen) painter_.colour_mode(track.mode);  // a first palette colour
  state_.colour_mode = track.mode;
  state_.mode_seen = track.mode_seen;
  if (verdict == ColourVerdict::kSetsColour) set_colour(record);
  if (verdict == ColourVerdict::kWrongMode) report_wrong_mode(record);
  if (!state_.mode_seen)
    report({ColourProblem::Telling::kTwoLines, "ERROR > ATTEMPT TO SET A COLOR WITHOUT",
            "        PREVIOUSLY SETTING A COLOR MODE."});
  return verdict;
}

void ColourHandler::select_mode(const Record& record, ColourVerdict verdict, ColourMode mode) {
  if (!named_mode(record)) report({ColourProblem::Telling::kError, "ERROR >> UNRECOGNISED COLOR MODE", ""});
  // Told with the picture still shown: whoever listens shows it first.
  if (verdict == ColourVerdict::kModeConflict)
    problems_.met({ColourProblem::Telling::kFatal, "FATAL ERROR>>  INPUT FILE CONTAINS MORE",
                   "               THAN ONE \"SC MODE\" COMMAND"});
  state_.colour_mode = mode;
  state_.mode_seen = true;
  painter_.colour_mode(mode);
  painter_.colour(7);
}

void ColourHandler::set_colour(const Record& record) {
  const std::string_view keyword = record.text(C::kKeyword);
  if (keyword == "BAR  ") return painter_.colour(static_cast<int>(*record.get(C::kBarColour)));
  if (keyword == "RGB  ") {
    std::array<float, 3> level{};
    for (size_t i = 0; i < 3; ++i) level[i] = static_cast<float>(*record.get(C::kRgb[i])) / kRgbLevels;
    return painter_.colour_rgb(level[0], level[1], level[2]);
  }
  if (keyword == "GREY ") return painter_.colour_grey(static_cast<int>(*record.get(C::kGreyAsRead)));
  if (const int scale = scale_of(keyword))
    return painter_.colour_scale(scale, static_cast<float>(*record.get(scale_field(scale))));
  painter_.colour(7);  // the default colour
}

void ColourHandler::report_wrong_mode(const Record& record) {
  const std::string_view keyword = record.text(C::kKeyword);
  std::string text;
  if (keyword == "BAR  ") {
    const auto n = record.get(C::kBarColour);
    text = state_.colour_mode == ColourMode::kHotPj
               ? "ILLEGAL SC BAR COMMAND IN HOTPJ MODE"
               : "ERROR> ILLEGAL \"SC BAR\" COMMAND NUMBER " + (n ? fmt::int_text(5, *n) : std::string(5, ' '));
  } else if (keyword == "RGB  ") {
    text = "ERROR> ILLEGAL \"SC RGB\" COMMAND";
  } else if (keyword == "GREY ") {
    text = "ERROR> ILLEGAL \"SC GREY\" COMMAND";
  } else {
    const int scale = scale_of(keyword);
    const std::string value = number_field(record.get(scale_field(scale)));
    text = scale == 1   ? "ERROR> ILLEGAL \"SC CIRCLE\" COMMAND"
           : scale == 2 ? "ERROR> ILLEGAL \"SC HOT\" COMMAND NUMBER=" + value
                        : "ERROR> ILLEGAL \"SC IRON\" COMMAND NUMBER=" + value;
  }
  report({ColourProblem::Telling::kNote, text, ""});
}

namespace {

bool is_mode_record(const Record& r) { return r.text(C::kKeywordInitial) == "M"; }

class ColourKind final : public Kind {
 public:
  // A mode record goes out where it stands; of a run of colours only the
  // one in force when something else follows is written.
  FileRole file_role(const Record& r) const override { return is_mode_record(r) ? FileRole::kColourMode : FileRole::kColourRun; }
  bool act_on_redraw(const Record& r, RedrawContext& c) const override {
    const ColourVerdict verdict = c.colours.apply(r);
    if (r.text(C::kKeywordInitial) != "B") return false;
    // Later records are drawn in it, unless it set nothing.
    if (verdict == ColourVerdict::kSetsColour) c.state.current_colour = r;
    return true;
  }
};

}  // namespace

const Kind& colour_kind() {
  static const ColourKind kind;
  return kind;
}

}  // namespace plv
