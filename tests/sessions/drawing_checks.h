#pragma once
// What the checks compare: a drawing's records as text, a drawing file
// read back whole, the picture a fresh editor draws of a drawing, and the
// geometry of a plot buffer listing.

#include <filesystem>
#include <string>
#include <vector>

#include "drawing/record_store.h"
#include "kinds/render_state.h"

namespace plv::sessions {

std::vector<std::string> records_of(const RecordStore& store);
// The lines the drawing's file would hold after its header.
std::vector<std::string> file_lines_of(const RecordStore& store);

// Reads the file into `store`; what was wrong with reading it, or nothing.
std::string read_back(const std::string& path, RecordStore& store);

// The plot buffer listing of the drawing redrawn on a new kernel and host,
// with the view and display settings of `shown`; any colour message it
// gave is added to `messages`.
std::vector<std::string> fresh_picture(const RecordStore& store, const RenderState& shown,
                                       const std::filesystem::path& dir, std::vector<std::string>& messages);

// What a listing draws: each line, rectangle and polygon after the colour
// it is drawn in (colours set and set again before anything is drawn make
// no difference to the picture).
std::vector<std::string> in_colour(const std::vector<std::string>& listing);
// The lines, rectangles and polygons of a listing from record `first` on.
std::vector<std::string> geometry(const std::vector<std::string>& listing, size_t first = 0);
// What of `part` is not in `whole`, counting repeats.
std::vector<std::string> missing(std::vector<std::string> part, std::vector<std::string> whole);
// Where two listings part, shown with a few records around; empty when equal.
std::string difference(const std::vector<std::string>& a, const std::vector<std::string>& b);

}  // namespace plv::sessions
