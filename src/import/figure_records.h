#pragma once
// A figure turned into the records of a new drawing: what becomes what,
// and a tally of what was made and what was approximated or left out.

#include <array>
#include <map>
#include <string>
#include <vector>

#include "drawing/record.h"
#include "import/figure.h"

namespace plv::import {

// The drawing's plot area the figure is fitted to, in drawing units.
inline constexpr double kPlotHalfWidth = 1750, kPlotHalfHeight = 1250;
// Curves are flattened to within this many drawing units.
inline constexpr double kFlatteningTolerance = 0.1;

// Drawing units per point of a page of this size fitted to the plot area.
double drawing_units_per_point(double page_width, double page_height);
// The tolerance in points that is kFlatteningTolerance in the drawing.
double flattening_tolerance(double page_width, double page_height);

enum class ImportColours {
  kPalette,  // the nearest of the sixteen palette colours of a BAR drawing
  kRgb,      // the colour itself, to the 64 levels an RGB drawing holds
};

struct RecordStyle {
  ImportColours colours = ImportColours::kPalette;
  // What the sixteen palette colours, and an RGB record's levels, put on
  // paper when the drawing is translated in colour.
  std::array<Colour, 16> palette_on_paper{};
  Colour (*rgb_on_paper)(int red, int green, int blue) = nullptr;
  double line_width = 0.7;  // points: how wide a plain line is drawn on paper
};

struct ImportTally {
  std::map<std::string, long> records;  // by record code
  long curves_flattened = 0;     // curved outlines drawn as segments
  long fills_split = 0;          // filled shapes made of several filled quadrilaterals
  long fills_outlined = 0;       // filled shapes only outlined (holes, crossings)
  long clipped = 0;              // marks cut at their clipping box
  long clipped_away = 0;         // marks and texts wholly outside it
  long texts_turned = 0;         // texts not along an axis, turned to the nearest
  long texts_cut = 0;            // texts longer than a string holds
  long letters_replaced = 0;     // letters a string cannot hold, written "?"
  long dashed_wide_lines = 0;    // drawn at line width: a wide line has no dashes
  long wide_curves = 0;          // circles and ellipses drawn at line width
  long lost_segments = 0;        // shorter than a drawing unit
  // Summary lines for the user, most telling first.
  std::vector<std::string> lines(const Figure& figure) const;
};

struct ImportedRecords {
  std::vector<Record> records;  // stored form, a drawing's order
  ImportTally tally;
};

ImportedRecords figure_records(const Figure& figure, const RecordStyle& style);

}  // namespace plv::import
