#pragma once
// Colour records ("SC"): each selects the drawing's colour mode or sets the
// current colour in the way that mode gives, through the painter; records
// that do not fit the mode are reported as colour problems.

#include <string_view>

#include "drawing/record.h"
#include "drawing/record_layout.h"
#include "kinds/colour_mode.h"
#include "kinds/colour_problem.h"
#include "kinds/render_state.h"

// The columns of its records.
namespace plv::layout {

namespace stored {
namespace colour {  // SC, both forms
inline constexpr Columns kKeyword{4, 5};    // "MODE ", "BAR  ", "RGB", ...
inline constexpr Columns kKeywordInitial{4, 1};  // M for a mode record, B for a palette colour
inline constexpr Columns kBarKeyword{4, 3};      // "BAR", as the create menus write it
inline constexpr Columns kModeName{9, 5};
inline constexpr Columns kLongModeName{9, 13};  // "HOTIRON SCALE"
inline constexpr IntField kBarColour{{9, 2}};
inline constexpr IntField kBarColourAsWritten{{7, 4}};  // code A2, blank, BAR A3, I4
inline constexpr std::array<IntField, 3> kRgb{{{{8, 3}}, {{11, 3}}, {{14, 3}}}};
inline constexpr IntField kGrey{{9, 2}};
inline constexpr IntField kGreyAsRead{{8, 3}};
inline constexpr RealField kCirclValue{{10, 10}, RealField::Fixed, 3};
inline constexpr RealField kHotValue{{7, 10}, RealField::Fixed, 3};
inline constexpr RealField kIronValue{{8, 10}, RealField::Fixed, 3};
}  // namespace colour
}  // namespace stored

}  // namespace plv::layout

namespace plv {

class Painter;

// What one colour record does where it stands, given the mode so far.
enum class ColourVerdict {
  kSelectsMode,   // a mode record
  kUnknownMode,   // a mode record naming no mode: taken as MONO, and told
  kModeConflict,  // a mode record naming another mode than the one chosen
  kSetsColour,
  kIgnored,       // a value out of range: nothing set, nothing told
  kWrongMode,     // a colour of another mode: nothing set, told
  kNoColour,      // a keyword that names no colour
};
// The verdict on `record`; `track` follows the mode it chooses, by a mode
// record or by a first palette colour, which chooses the bar mode.
ColourVerdict judge_colour(const Record& record, ColourTrack& track);
// Whether the record sets the colour where it stands.
inline bool sets_colour(const Record& record, ColourTrack& track) {
  return judge_colour(record, track) == ColourVerdict::kSetsColour;
}

class ColourHandler {
 public:
  ColourHandler(RenderState& state, Painter& painter, ColourProblems& problems)
      : state_(state), painter_(painter), problems_(problems) {}

  ColourVerdict apply(const Record& record);

 private:
  void select_mode(const Record& record, ColourVerdict verdict, ColourMode mode);
  void set_colour(const Record& record);
  void report_wrong_mode(const Record& record);
  // Told between a flush to the text screen and a page that keeps the picture.
  void report(ColourProblem problem);

  RenderState& state_;
  Painter& painter_;
  ColourProblems& problems_;
};

}  // namespace plv
